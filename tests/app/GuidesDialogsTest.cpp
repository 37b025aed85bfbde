// Create Guides through the editor's own dialogs: "Create Guides" and
// "Areas Existing" over a document with a picture, then saved.
#include "app/dialogs/AppDocumentDialogs.h"
#include "document/ImageMapDoc.h"
#include "model/Settings.h"
#include "support/FakePictureSource.h"
#include "support/QtTestApp.h"
#include "support/ScriptedPrompter.h"
#include "view/AreasExistingDialog.h"
#include "view/CreateGuidesDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace {

class GuidesDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        qtTestApp();
        Settings::setStoreFolder(dir.path());
        Settings::app() = Settings();
        pictures.width = 400;
        pictures.height = 80;
        QFile map(dir.filePath("m.map"));
        ASSERT_TRUE(map.open(QIODevice::WriteOnly));
        map.write("#$TITLE:m\nrect a.htm 1,1 5,5\nrect b.htm 6,6 9,9\n");
        map.close();
        ASSERT_TRUE(doc.openDocument(map.fileName()));
    }
    // Answers the modal dialogs as they show, in turn: the guides dialog
    // with OK (after typing 8 x 4 guides of 50 x 20 when asked to), "Areas
    // Existing" with the named button.
    void script(QList<std::function<void(QDialog&)>> answers) {
        m_answers = std::move(answers);
        m_poll.setInterval(5);
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!modal || modal == m_last || m_answers.isEmpty())
                return;
            m_last = modal;
            m_answers.takeFirst()(*modal);
        });
        m_poll.start();
    }
    static std::function<void(QDialog&)> guides(bool typeGrid) {
        return [typeGrid](QDialog& d) {
            ASSERT_TRUE(qobject_cast<CreateGuidesDialog*>(&d));
            if (typeGrid) {
                const auto set = [&](const char* name, const char* text) {
                    d.findChild<QLineEdit*>(QLatin1String(name))->setText(text);
                };
                set("across", "8");
                set("down", "4");
                set("width", "50");
                set("height", "20");
                set("baseUrl", "g%d.htm");
            }
            d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        };
    }
    static std::function<void(QDialog&)> existing(const char* button) {
        return [button](QDialog& d) {
            ASSERT_TRUE(qobject_cast<AreasExistingDialog*>(&d));
            if (QPushButton* b = d.findChild<QPushButton*>(QLatin1String(button)))
                b->click();
            else
                d.reject();
        };
    }

    QList<std::function<void(QDialog&)>> m_answers;
    QTimer m_poll;
    QPointer<QDialog> m_last;
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    AppDocumentDialogs dialogs{nullptr};
    FakePictureSource pictures;
    CImageMapDoc doc{&dialogs, &pictures};
};

} // namespace

TEST_F(GuidesDialogs, AddFollowsTheAreasReplaceTakesTheirPlaceAndTheSaveWritesThem) {
    script({guides(true), existing("add"), guides(false), existing("cancel"), guides(false),
            existing("replace")});
    ASSERT_TRUE(doc.createGuides());
    ASSERT_EQ(doc.areaCount(), 34);
    EXPECT_EQ(doc.area(1)->url(), "b.htm");
    EXPECT_EQ(doc.area(2)->url(), "g3.htm"); // numbered after the areas there
    EXPECT_EQ(doc.area(33)->imageRect(), (PixelRect{350, 60, 400, 80}));

    EXPECT_FALSE(doc.createGuides());
    EXPECT_EQ(doc.areaCount(), 34);

    ASSERT_TRUE(doc.createGuides());
    ASSERT_EQ(doc.areaCount(), 32);
    EXPECT_EQ(doc.area(0)->url(), "g1.htm");
    EXPECT_EQ(doc.area(31)->url(), "g32.htm");

    Settings::app().skipSavedDialog = true;
    ASSERT_TRUE(doc.doSave(dir.filePath("m.htm")));
    QFile page(dir.filePath("m.htm"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray text = page.readAll();
    EXPECT_EQ(text.count("<AREA SHAPE=RECT"), 32);
    EXPECT_TRUE(text.contains("COORDS=\"350,60,400,80\" HREF=\"g32.htm\""));
}
