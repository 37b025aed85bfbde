// An area's tip gives way to whatever a press starts: a press ends it, and
// one that comes before the tip is due keeps it from showing over the menu.
#include "ViewTestSupport.h"

#include <QMouseEvent>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

using namespace ViewTest;

namespace {

class AreaTip : public ::testing::Test {
protected:
    void SetUp() override {
        resetSettings();
        Settings::app().showAreaTips = true;
        doc = documentWith(pictures, solid(300, 200, 0xff808080));
        addRect(*doc, {20, 20, 120, 80}, AreaShape::Rectangle, "shop.htm");
        view = std::make_unique<CImageMapView>(doc.get());
        view->setContextMenuHandler([this](int menu, QPoint) {
            menus << menu;
            tipDuringMenu = QToolTip::isVisible();
        });
        showAt(*view, 300, 200);
    }
    void TearDown() override {
        QToolTip::hideText();
        QTest::qWait(400);
    }
    void send(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton) {
        QWidget* w = view->viewport();
        QMouseEvent e(type, at, w->mapToGlobal(at), button,
                      type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    }
    // The tip's window takes a moment to go.
    static bool tipGone() {
        for (int i = 0; i < 20 && QToolTip::isVisible(); ++i)
            QTest::qWait(50);
        return !QToolTip::isVisible();
    }

    StubPictures pictures;
    std::unique_ptr<CImageMapDoc> doc;
    std::unique_ptr<CImageMapView> view;
    QList<int> menus;
    bool tipDuringMenu = true;
};

} // namespace

TEST_F(AreaTip, APressEndsTheTip) {
    send(QEvent::MouseMove, {60, 50});
    QTest::qWait(400);
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "shop.htm");
    send(QEvent::MouseButtonPress, {60, 50}, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {60, 50}, Qt::LeftButton);
    EXPECT_TRUE(tipGone());
}

// A right press before the tip was due: the menu opens, and the tip does not
// come up over it afterwards.
TEST_F(AreaTip, ARightPressBeforeTheTipIsDueKeepsItAway) {
    send(QEvent::MouseMove, {60, 50});
    send(QEvent::MouseButtonPress, {60, 50}, Qt::RightButton);
    send(QEvent::MouseButtonRelease, {60, 50}, Qt::RightButton);
    ASSERT_EQ(menus.size(), 1);
    EXPECT_FALSE(tipDuringMenu);
    QTest::qWait(400); // past the tip's delay
    EXPECT_FALSE(QToolTip::isVisible());
}
