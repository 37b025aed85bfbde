// "Area Settings" and "Settings for this Mapfile", driven offscreen.
#include "model/MapArea.h"
#include "model/Settings.h"
#include "support/QtTestApp.h"
#include "support/ScriptedPrompter.h"
#include "support/WhenShown.h"
#include "view/AreaSettingsDialog.h"
#include "view/MapSettingsDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

class SettingsDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        qtTestApp();
        Settings::app() = Settings();
    }

    static std::unique_ptr<MapArea> rectangle(PixelRect r, AreaShape shape = AreaShape::Rectangle) {
        auto area = std::make_unique<MapArea>(shape);
        area->setRect(r);
        return area;
    }

    ScriptedPrompter m_prompter;
};

QString textOf(const QWidget& dialog, const char* name) {
    const auto* label = dialog.findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<none>");
}

QLineEdit* edit(const QWidget& dialog, const char* name) {
    return dialog.findChild<QLineEdit*>(QLatin1String(name));
}

QPushButton* okOf(const QWidget& dialog) {
    return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
}

} // namespace

TEST_F(SettingsDialogsTest, AreaSettingsDescribeTheArea) {
    const auto rect = rectangle({10, 20, 110, 70});
    AreaSettingsDialog r(*rect, 4, {});
    EXPECT_EQ(r.windowTitle(), "Area #4 Settings");
    EXPECT_EQ(textOf(r, "type"), "Rectangle");
    EXPECT_EQ(textOf(r, "position"), "(10, 20) - (110, 70)");
    EXPECT_EQ(textOf(r, "dimensions"), "w=100, h=50");

    const auto circle = rectangle({0, 0, 20, 20}, AreaShape::Circle);
    AreaSettingsDialog c(*circle, 1, {});
    EXPECT_EQ(textOf(c, "type"), "Circle");
    EXPECT_EQ(textOf(c, "dimensions"), "rX=10, rY=10");

    MapArea polygon(AreaShape::Polygon);
    for (QPoint p : {QPoint(1, 1), QPoint(10, 1), QPoint(10, 10)})
        polygon.addVertex(p.x(), p.y());
    AreaSettingsDialog p(polygon, 2, {});
    EXPECT_EQ(textOf(p, "type"), "Polygon");
    EXPECT_EQ(textOf(p, "dimensions"), "points=3");

    // A polygon shows the box of its points, as the page holds them, not
    // the box of the pixels its region covers (a pointed top covers none
    // of its own row).
    MapArea peak(AreaShape::Polygon);
    for (QPoint q : {QPoint(450, 280), QPoint(500, 330), QPoint(400, 330)})
        peak.addVertex(q.x(), q.y());
    AreaSettingsDialog top(peak, 3, {});
    EXPECT_EQ(textOf(top, "position"), "(400, 280) - (500, 330)");
}

// The lead is offered to complete: OK waits until the user typed beyond it.
TEST_F(SettingsDialogsTest, OkNeedsAUrlBeyondTheLeadANewAreaIsOffered) {
    const auto area = rectangle({0, 0, 10, 10});
    AreaSettingsDialog dialog(*area, 1, {});
    QLineEdit* url = edit(dialog, "url");
    EXPECT_EQ(url->text(), "http://www.");
    EXPECT_EQ(url->cursorPosition(), url->text().size());
    EXPECT_FALSE(okOf(dialog)->isEnabled());
    QTest::keyClick(url, Qt::Key_A);
    EXPECT_TRUE(okOf(dialog)->isEnabled());
    QTest::keyClick(url, Qt::Key_Backspace);
    EXPECT_FALSE(okOf(dialog)->isEnabled());
    url->clear();
    EXPECT_FALSE(okOf(dialog)->isEnabled());
    QTest::keyClick(url, Qt::Key_A);
    EXPECT_TRUE(okOf(dialog)->isEnabled());
    EXPECT_EQ(url->maxLength(), 2048);
    EXPECT_EQ(edit(dialog, "comment")->maxLength(), 2048);
}

TEST_F(SettingsDialogsTest, AreaSettingsGiveBackTheTextsOrDelete) {
    const auto area = rectangle({0, 0, 10, 10});
    // Bytes that are not UTF-8 survive a field left alone; edited fields
    // are stored as UTF-8.
    // The title is edited beside them; the attributes the area kept from
    // its page are not shown and stay.
    const TagAttributes kept{{"id", "a1", TagAttribute::Form::Unquoted},
                             {"download", {}, TagAttribute::Form::Bare}};
    AreaTexts texts{"home.htm", "_top", "Caf\xe9", "Old tip", kept};
    whenShown([](QDialog& d) {
        EXPECT_EQ(edit(d, "title")->text(), "Old tip");
        edit(d, "url")->setText(QString::fromUtf8("\xc3\xa9t\xc3\xa9.htm"));
        edit(d, "title")->setText("New tip");
        okOf(d)->click();
    });
    ASSERT_EQ(AreaSettingsDialog::run(*area, 1, texts), DocumentDialogs::AreaChoice::Ok);
    EXPECT_EQ(texts.url, QByteArray("\xc3\xa9t\xc3\xa9.htm"));
    EXPECT_EQ(texts.target, "_top");
    EXPECT_EQ(texts.comment, QByteArray("Caf\xe9"));
    EXPECT_EQ(texts.title, "New tip");
    EXPECT_EQ(texts.attributes, kept);

    whenShown([](QDialog& d) {
        edit(d, "url")->setText("changed");
        d.findChild<QPushButton*>("delete")->click();
    });
    EXPECT_EQ(AreaSettingsDialog::run(*area, 1, texts), DocumentDialogs::AreaChoice::Delete);
    whenShown([](QDialog& d) {
        edit(d, "url")->setText("changed");
        d.reject();
    });
    EXPECT_EQ(AreaSettingsDialog::run(*area, 1, texts), DocumentDialogs::AreaChoice::Cancel);
    EXPECT_EQ(texts.url, QByteArray("\xc3\xa9t\xc3\xa9.htm"));
}

TEST_F(SettingsDialogsTest, MapSettingsShowTheMapAndKeepOpenWithoutATitle) {
    MapInfo info;
    info.title = "Old";
    info.imageFile = "pic.gif";
    info.author = "Ann";
    MapSettingsDialog dialog(info, QString());
    EXPECT_EQ(dialog.windowTitle(), "Settings for this Mapfile");
    EXPECT_EQ(textOf(dialog, "filename"), "<untitled>");
    EXPECT_EQ(textOf(dialog, "imageName"), "pic.gif");
    dialog.show();
    edit(dialog, "title")->clear();
    okOf(dialog)->click();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(m_prompter.shown().size(), 1);
    EXPECT_EQ(m_prompter.shown()[0].text, "Client Side Image Maps (CSIMs) require a title!");
    EXPECT_EQ(m_prompter.shown()[0].icon, Prompter::Icon::Exclamation);
    edit(dialog, "title")->setText("New");
    okOf(dialog)->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(SettingsDialogsTest, MapSettingsGiveBackTheirFields) {
    MapInfo info;
    info.title = "Old";
    info.author = "Ren\xe9"; // not UTF-8, left alone
    info.date = "Wed Jun 30 21:49:08 1993";
    whenShown([](QDialog& d) {
        edit(d, "title")->setText("Shop");
        edit(d, "defaultUrl")->setText("index.htm");
        d.findChild<QPlainTextEdit*>("description")->setPlainText("Two lines\nof text");
        d.findChild<QCheckBox*>("scalesWithPicture")->click();
        okOf(d)->click();
    });
    ASSERT_TRUE(MapSettingsDialog::run(info, "/maps/shop.htm"));
    EXPECT_EQ(info.title, "Shop");
    EXPECT_EQ(info.author, QByteArray("Ren\xe9"));
    EXPECT_EQ(info.defaultUrl, "index.htm");
    EXPECT_EQ(info.description, "Two lines of text");
    EXPECT_TRUE(info.scalesWithPicture);
    EXPECT_EQ(info.date, "Wed Jun 30 21:49:08 1993");

    MapInfo unchanged = info;
    whenShown([](QDialog& d) {
        edit(d, "title")->setText("Other");
        d.reject();
    });
    EXPECT_FALSE(MapSettingsDialog::run(unchanged, "/maps/shop.htm"));
    EXPECT_EQ(unchanged, info);
}
