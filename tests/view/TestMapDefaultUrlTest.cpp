// Test Map off the areas of a map whose default URL is only the lead that
// New and Open offer: the saved page has no default area, so nothing shows.
#include "ViewTestSupport.h"

#include "model/DefaultUrl.h"
#include "support/ScriptedPrompter.h"
#include "support/WhenShown.h"
#include "view/TestMapIntroDialog.h"
#include "view/TestMapWindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace ViewTest;

namespace {

// Runs Test Map on doc as the command does and gives the URLs shown with
// the mouse over each picture pixel in turn.
QStringList shownOver(const CImageMapDoc& doc, const QList<QPoint>& pixels) {
    QStringList shown;
    // Each dialog's turn comes once the one before it shows.
    const auto onWindow = [&](TestMapWindow& window) {
        for (QPoint p : pixels) {
            const QPoint at = p - window.scrollPosition();
            QWidget* picture = window.pictureWidget();
            QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(picture, &move);
            shown << window.shownUrl();
        }
        window.findChild<QPushButton*>("done")->click();
    };
    std::function<void()> poll = [&] {
        if (auto* window = qobject_cast<TestMapWindow*>(QApplication::activeModalWidget()))
            onWindow(*window);
        else
            QTimer::singleShot(10, poll);
    };
    whenShown<TestMapIntroDialog>([&](TestMapIntroDialog& intro) {
        QTimer::singleShot(10, poll);
        intro.accept();
    });
    TestMapWindow::run(doc, nullptr);
    return shown;
}

} // namespace

TEST(TestMapDefaultUrl, OnlyTheLeadShowsNothingOffTheAreas) {
    resetSettings();
    ScriptedPrompter prompter;
    StubPictures pictures;
    auto doc = documentWith(pictures, solid(100, 80, qRgb(200, 200, 200)));
    addRect(*doc, {10, 10, 50, 40}, AreaShape::Rectangle, "first.htm");
    MapInfo info = doc->mapInfo();
    info.defaultUrl = DefaultUrl::lead();
    ASSERT_EQ(info.defaultUrl, "http://www.");
    doc->setMapInfo(info);
    EXPECT_EQ(shownOver(*doc, {{20, 20}, {90, 70}}), (QStringList{"first.htm", ""}));

    info.defaultUrl = "http://www.example.com/";
    doc->setMapInfo(info);
    EXPECT_EQ(shownOver(*doc, {{90, 70}}), QStringList{"http://www.example.com/"});
}
