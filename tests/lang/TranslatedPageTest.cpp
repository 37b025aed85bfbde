#include "LangSupport.h"
#include "support/PageText.h"

#include "document/ImageMapDoc.h"
#include "model/Settings.h"
#include "model/Translation.h"
#include "support/FakeDocumentDialogs.h"
#include "support/FakePictureSource.h"
#include "support/QtTestApp.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// A map with every kind of area, texts that need quoting and a default,
// as a map file: saving it writes a fresh page (title, generator, credit,
// markers, tracking comments, area tags).
const QByteArray kServerMap =
    "#$TITLE:Shop\n#$AUTHOR:Ann \"Quote\" Lee\n#$DESCRIPTION:Buttons of the shop page.\n"
    "#$GIF:pic.gif\n"
    "# Home button\nrect home.htm 20,20 140,60\n"
    "circle c.htm?a=\"1\" 340,40 370,40\n"
    "poly t.htm 40,200 120,100 200,200\n"
    "default index.htm\n";

class TranslatedPage : public ::testing::Test, protected TempFiles {
protected:
    void SetUp() override { qtTestApp(); }
    void TearDown() override {
        Translation::remove();
        Settings::app() = Settings();
    }

    // The page the map is saved into, in one language.
    QByteArray saveIn(const QString& code) {
        EXPECT_EQ(Translation::install(code), code);
        ScriptedPrompter prompter;
        FakeDocumentDialogs dialogs;
        FakePictureSource pictures;
        CImageMapDoc doc{&dialogs, &pictures};
        // The same names in a folder of each language's own.
        EXPECT_TRUE(QDir(dir.path()).mkpath(code));
        EXPECT_TRUE(doc.openDocument(write(code + "/site.map", kServerMap)));
        EXPECT_TRUE(doc.doSave(dir.filePath(code + "/site.htm")));
        return withoutDate(readAll(code + "/site.htm"));
    }

    QByteArray readAll(const QString& name) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
};

} // namespace

TEST_F(TranslatedPage, APageSavedInAnyLanguageIsByteForByteTheEnglishOne) {
    const QByteArray english = saveIn(QStringLiteral("en"));
    ASSERT_TRUE(english.contains("Created by Tessary"));
    for (const QString& code : lang::kTranslated) {
        SCOPED_TRACE(code.toStdString());
        EXPECT_EQ(saveIn(code), english);
    }
}
