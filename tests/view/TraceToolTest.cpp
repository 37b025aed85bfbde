// The Trace tool end to end in a view offscreen, through mouse and key
// events: a click proposes the outline of the shape under it, Shift+click
// widens it, a new tolerance traces again, Enter or a double-click accepts
// it as one undo step, Esc and the right button discard it, refusals say
// why, and the saved page holds the polygon of the drawn shape.
#include "ViewTestSupport.h"

#include "model/Strings.h"
#include "model/TraceTestSupport.h"
#include "support/FakeDocumentDialogs.h"
#include "support/TempFiles.h"
#include "view/TraceProposal.h"
#include "view/TraceRunner.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

using namespace ViewTest;
using namespace tracetest;

namespace {

constexpr int kTraceWidth = 320, kTraceHeight = 240;
constexpr QRgb kWhite = 0xffffffff;

class PromptPanes : public RecordingPanes {
public:
    QString prompt;
    void showPrompt(const QString& text) override { prompt = text; }
};

class TraceTool : public ::testing::Test, protected TempFiles {
protected:
    void start(const QImage& picture, ZoomLevel zoom) {
        resetSettings();
        Settings::app().areaPrompt = false;
        doc = documentWith(pictures, picture);
        doc->setDialogs(&dialogs);
        view = std::make_unique<CImageMapView>(doc.get(), &panes, nullptr, &toolZoom);
        showAt(*view, 500, 400);
        view->setZoom(zoom);
        toolZoom.setTool(ToolZoomState::Tool::Trace);
    }

    // The window point inside picture pixel p (its centre at this zoom).
    QPoint at(QPoint p) const {
        const double f = view->zoom().factor();
        return QPoint(int((p.x() + 0.5) * f), int((p.y() + 0.5) * f)) - view->scrollPosition();
    }
    void mouse(QEvent::Type type, QPoint w, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers m = Qt::NoModifier) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent e(type, w, view->viewport()->mapToGlobal(w), button, held, m);
        QCoreApplication::sendEvent(view->viewport(), &e);
    }
    void click(QPoint p, Qt::KeyboardModifiers m = Qt::NoModifier,
               Qt::MouseButton button = Qt::LeftButton) {
        mouse(QEvent::MouseButtonPress, at(p), button, m);
        mouse(QEvent::MouseButtonRelease, at(p), button, m);
    }
    void doubleClick(QPoint p) {
        click(p);
        mouse(QEvent::MouseButtonDblClick, at(p));
        mouse(QEvent::MouseButtonRelease, at(p));
    }
    void key(int k) {
        QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier);
        QCoreApplication::sendEvent(view.get(), &e);
    }
    TraceProposal* proposal() const { return dynamic_cast<TraceProposal*>(view->interaction()); }
    // Lets the worker's trace come back (and a view drop an ended trace).
    void settle() {
        EXPECT_TRUE(QTest::qWaitFor([this] { return !proposal() || !proposal()->isTracing(); }));
        QCoreApplication::processEvents();
    }
    QPolygon shown() const { return proposal() ? proposal()->polygon() : QPolygon(); }
    // The polygons of the saved page, in order.
    QList<QPolygon> savedPolygons() {
        EXPECT_TRUE(doc->onSaveDocument(path("page.htm")));
        QList<QPolygon> polygons;
        static const QRegularExpression pattern(
            QStringLiteral("SHAPE=\"?poly\"?[^>]*COORDS=\"([^\"]*)\""),
            QRegularExpression::CaseInsensitiveOption);
        auto it = pattern.globalMatch(QString::fromLatin1(read("page.htm")));
        while (it.hasNext()) {
            const QStringList numbers = it.next().captured(1).split(QLatin1Char(','));
            QPolygon polygon;
            for (qsizetype i = 0; i + 1 < numbers.size(); i += 2)
                polygon << QPoint(numbers[i].toInt(), numbers[i + 1].toInt());
            if (polygon.size() > 1 && polygon.front() == polygon.back())
                polygon.removeLast(); // the ring's closing point
            polygons << polygon;
        }
        return polygons;
    }

    StubPictures pictures;
    PromptPanes panes;
    FakeDocumentDialogs dialogs;
    ToolZoomState toolZoom;
    std::unique_ptr<CImageMapDoc> doc;
    std::unique_ptr<CImageMapView> view;
};

} // namespace

// What the issue promises: on a picture of a filled shape one click and
// Enter give an area whose saved polygon matches the shape, at 3:1 in a
// scrolled view, as one step that Area Settings follows with "Area
// Prompt" on, and that one undo takes back.
TEST_F(TraceTool, ClickAndEnterSaveTheShapesOutlineAsOneUndoableStep) {
    const QPolygonF shape = star({170, 120}, 100, 45, 5);
    const Grid truth = centresInside(shape, kTraceWidth, kTraceHeight);
    start(paintGrid(truth, 0xff2050c0, kWhite), ZoomLevel::in(3));
    view->setScrollPosition({200, 150});
    Settings::app().areaPrompt = true;
    dialogs.area = [](AreaTexts& texts) {
        texts.url = "star.htm";
        return DocumentDialogs::AreaChoice::Ok;
    };

    click({170, 120});
    settle();
    ASSERT_NE(proposal(), nullptr);
    const QPolygon traced = shown();
    ASSERT_GE(traced.size(), 10);
    EXPECT_TRUE(panes.prompt.contains(QString::number(traced.size())))
        << panes.prompt.toStdString();
    EXPECT_EQ(doc->areaCount(), 0);

    key(Qt::Key_Return);
    QCoreApplication::processEvents(); // the posted Edit Area Info
    EXPECT_EQ(view->interaction(), nullptr);
    ASSERT_EQ(doc->areaCount(), 1);
    EXPECT_EQ(doc->area(0)->url(), "star.htm");
    ASSERT_EQ(doc->undoStack().count(), 2); // the area, then its settings
    EXPECT_EQ(doc->undoStack().text(0), "Trace Area");

    const QList<QPolygon> saved = savedPolygons();
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved[0], traced);
    EXPECT_GE(iou(truth, areaPixels(saved[0], kTraceWidth, kTraceHeight)), 0.97);

    doc->undo();
    doc->undo();
    EXPECT_EQ(doc->areaCount(), 0);
}

// At 1:2 a click and Shift+click unite two touching squares into one
// outline; a region apart is refused and leaves the outline as it was;
// Esc and the right button discard without a step; a click on the
// background (the whole picture) is refused with nothing to propose.
TEST_F(TraceTool, ShiftClickUnitesRefusalsKeepTheOutlineEscAndRightButtonDiscard) {
    start(paint(kTraceWidth, kTraceHeight,
                [](int x, int y) {
                    if (y >= 40 && y < 100 && x >= 40 && x < 100)
                        return 0xffc02020u;
                    if (y >= 40 && y < 100 && x >= 100 && x < 160)
                        return 0xff20a020u;
                    if (y >= 160 && y < 200 && x >= 220 && x < 260)
                        return 0xff2020c0u;
                    return kWhite;
                }),
          ZoomLevel::out(2));
    click({70, 70});
    settle();
    EXPECT_EQ(shown().boundingRect(), QRect(QPoint(40, 40), QPoint(100, 100)));
    click({130, 70}, Qt::ShiftModifier);
    settle();
    const QPolygon both = shown();
    EXPECT_EQ(both.size(), 4);
    EXPECT_EQ(both.boundingRect(), QRect(QPoint(40, 40), QPoint(160, 100)));

    click({240, 180}, Qt::ShiftModifier);
    settle();
    EXPECT_EQ(shown(), both);
    EXPECT_EQ(panes.prompt, Strings::text(Str::TraceRefusedDisjoint));

    key(Qt::Key_Escape);
    EXPECT_EQ(view->interaction(), nullptr);
    click({240, 180});
    settle();
    EXPECT_EQ(shown().size(), 4);
    click({240, 180}, Qt::NoModifier, Qt::RightButton);
    EXPECT_EQ(view->interaction(), nullptr);
    EXPECT_EQ(doc->areaCount(), 0);
    EXPECT_EQ(doc->undoStack().count(), 0);

    click({10, 10});
    settle();
    EXPECT_EQ(view->interaction(), nullptr);
    EXPECT_EQ(panes.prompt, Strings::text(Str::TraceRefusedWhole));
    EXPECT_EQ(doc->areaCount(), 0);
}

// A wider tolerance traces the proposal again (the settings change as the
// map toolbar changes them), and it survives a zoom; a double-click
// accepts the outline shown before its first click.
TEST_F(TraceTool, NewToleranceTracesAgainAndADoubleClickAcceptsTheShownOutline) {
    start(paint(kTraceWidth, kTraceHeight,
                [](int x, int y) {
                    if (x >= 100 && x < 140 && y >= 100 && y < 140)
                        return qRgb(100, 100, 100);
                    if (x >= 250 && x < 290 && y >= 60 && y < 100)
                        return qRgb(30, 30, 30);
                    if (x >= 60 && x < 200 && y >= 50 && y < 180)
                        return qRgb(130, 130, 130);
                    return kWhite;
                }),
          ZoomLevel::in(1));
    Settings::app().traceTolerance = 20;
    click({120, 120});
    settle();
    EXPECT_EQ(shown().boundingRect(), QRect(QPoint(100, 100), QPoint(140, 140)));

    Settings::app().traceTolerance = 40;
    Settings::announceChange();
    settle();
    EXPECT_EQ(shown().boundingRect(), QRect(QPoint(60, 50), QPoint(200, 180)));
    view->setZoom(ZoomLevel::in(2));
    view->setScrollPosition({200, 0});
    ASSERT_NE(proposal(), nullptr);

    doubleClick({270, 80}); // its first click alone would trace the dark square
    settle();
    EXPECT_EQ(view->interaction(), nullptr);
    ASSERT_EQ(doc->areaCount(), 1);
    EXPECT_EQ(doc->area(0)->imageRect(), (PixelRect{60, 50, 200, 180}));
}

// A newer start cancels the trace still running over a large picture: only
// the newest request's result arrives, once. A runner dropped in the
// middle of a trace goes at once; its worker ends on its own.
TEST(TraceRunnerTest, ANewerStartOvertakesTheOlderAndOnlyItsResultArrives) {
    qtTestApp();
    QImage big(4000, 3000, QImage::Format_RGB32);
    big.fill(0xff808080);
    for (int y = 10; y < 30; ++y)
        for (int x = 10; x < 30; ++x)
            big.setPixel(x, y, 0xff000000);
    const std::shared_ptr<const LoadedImage> picture =
        LoadedImage::fromPackedDib(PackedDib::fromImage(big));
    ASSERT_TRUE(picture);

    TraceRequest whole, small;
    whole.seeds = {QPoint(2000, 1500)};
    small.seeds = {QPoint(20, 20)};
    QList<TraceRequest> answered;
    QList<TraceResult> results;
    {
        TraceRunner runner;
        QObject::connect(&runner, &TraceRunner::finished,
                         [&](const TraceResult& result, const TraceRequest& request) {
                             results << result;
                             answered << request;
                         });
        runner.start(picture, whole);
        runner.start(picture, whole);
        runner.start(picture, small);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !runner.isBusy(); }, 10000));
        QTest::qWait(50); // nothing more comes
        ASSERT_EQ(answered.size(), 1);
        EXPECT_EQ(answered[0].seeds, small.seeds);
        EXPECT_TRUE(results[0].isTraced());
        EXPECT_EQ(results[0].polygon.boundingRect(), QRect(QPoint(10, 10), QPoint(30, 30)));

        runner.start(picture, whole);
    }
    QTest::qWait(50);
    EXPECT_EQ(answered.size(), 1);
}
