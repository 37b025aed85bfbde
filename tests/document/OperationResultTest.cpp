#include "document/ImageMapDoc.h"
#include "formats/PageFile.h"
#include "model/Settings.h"
#include "support/FakeDocumentDialogs.h"
#include "support/FakePictureSource.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFiles.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>

// Open, Save and Change Image say what they came to: each failure's code,
// and as its text exactly what the user was shown, so that nobody needs to
// read a message to learn what happened.

namespace {

using ResultCode = OperationResult::Code;

const QString kLoadFailed =
    "Unable to load the map file. This could be because the file in question is not a image map "
    "file, the file is damaged, or the file is in use.";

// A picture source whose files are there but give no picture.
class UnreadablePictures : public FakePictureSource {
public:
    std::unique_ptr<LoadedImage> load(const QString& path) override {
        if (path.endsWith(".bad"))
            return loadRequests << path, nullptr;
        return FakePictureSource::load(path);
    }
    QString lastLoadFailure() const override {
        return loadRequests.last().endsWith(".bad") ? QStringLiteral("Unable to open image file.")
                                                    : QString();
    }
};

class FailingWrite : public PageFile {
public:
    bool write(QByteArrayView) override { return fail(Step::Write, ENOSPC); }
};

class Results : public ::testing::Test, protected TempFiles {
protected:
    void TearDown() override { Settings::app() = Settings(); }

    ScriptedPrompter prompter;
    FakeDocumentDialogs dialogs;
    UnreadablePictures pictures;
    CImageMapDoc doc{&dialogs, &pictures};
};

} // namespace

TEST_F(Results, EachOpenFailureCarriesItsCodeAndTheTextTheUserSaw) {
    QDir(dir.path()).mkdir("folder.map");
    const QString gone = path("gone.map");
    const struct {
        const char* what;
        std::function<QString()> file; // the file to open, after any setup
        ResultCode code;
        QString message, detail;
        bool ownBox; // a box of its own before the one every failed Open gives
    } cases[] = {
        {"missing",
         [&] { return gone; },
         ResultCode::MapFileMissing,
         QString("Unable to locate the file \"%1\"").arg(gone),
         {},
         true},
        {"a folder",
         [&] { return path("folder.map"); },
         ResultCode::MapFileUnreadable,
         QString("Unable to read the file \"%1\". It was left as it was.").arg(path("folder.map")),
         {},
         true},
        {"no map", [&] { return write("notes.txt", "Shopping list\n"); }, ResultCode::MapUnreadable,
         kLoadFailed, "The page holds no complete MAP element.", false},
        {"unclosed", [&] { return write("open.htm", "<html>\n\n<map name=m>\n<area>\n"); },
         ResultCode::MapUnreadable, kLoadFailed,
         "The MAP element that begins on line 3 is never closed.", false},
        {"picture not found",
         [&] {
             pictures.locateAnswer = QString();
             return write("a.map", "rect a.htm 1,1 5,5\n");
         },
         ResultCode::PictureNotLoaded,
         kLoadFailed,
         {},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        prompter.clear();
        pictures.locateAnswer.reset();
        const int beeps = prompter.beeps();
        const QString file = c.file();
        const OperationResult r = doc.openDocument(file);
        EXPECT_FALSE(r);
        EXPECT_EQ(r.code(), c.code);
        EXPECT_EQ(r.message(), c.message);
        if (c.code != ResultCode::MapFileUnreadable) // the system's words vary
            EXPECT_EQ(r.detail(), c.detail);
        else
            EXPECT_FALSE(r.detail().isEmpty());
        const QStringList shown =
            c.ownBox ? QStringList{r.text(), kLoadFailed} : QStringList{r.text()};
        EXPECT_EQ(prompter.texts(), shown);
        EXPECT_EQ(prompter.beeps(), beeps + 1);
        for (const auto& box : prompter.shown())
            EXPECT_EQ(box.icon, Prompter::Icon::Exclamation);
    }
}

TEST_F(Results, ACancelledOpenIsNoFailureToTell) {
    pictures.loadCancels = true;
    const OperationResult r = doc.openDocument(write("a.map", "rect a.htm 1,1 5,5\n"));
    EXPECT_EQ(r.code(), ResultCode::Cancelled);
    EXPECT_FALSE(r.needsTelling());
    EXPECT_TRUE(prompter.shown().isEmpty());
    pictures.loadCancels = false;
    EXPECT_EQ(doc.openDocument(path("a.map")).code(), ResultCode::Done);
}

TEST_F(Results, EachSaveFailureIsToldOnceAsItsResultSays) {
    const QString page = path("page.htm");
    const QString malformed = write("old.htm", "<p>someone's text without a body's end");
    QDir(dir.path()).mkdir("folder.htm");
    FailingWrite failingWrite;
    const struct {
        const char* what;
        std::function<OperationResult()> save;
        ResultCode code;
        QString text;
        Prompter::Icon icon;
    } cases[] = {
        {"not a page", [&] { return doc.doSave(path("page.txt")); }, ResultCode::NotAPageName,
         "Saving a Client Side Image Map file into a non-HTML file is not allowed!",
         Prompter::Icon::Stop},
        {"folder", [&] { return doc.doSave(path("folder.htm")); }, ResultCode::NotWritable,
         QString("The file %1 is not a writable file.").arg(path("folder.htm")),
         Prompter::Icon::Exclamation},
        {"malformed", [&] { return doc.doSave(malformed); }, ResultCode::MalformedPage,
         "This HTML file is malformed. Refusing to save into this file due to extreme "
         "possibility of destroying the file.",
         Prompter::Icon::Stop},
        {"no folder", [&] { return doc.doSave(path("missing/page.htm")); },
         ResultCode::CreateFailed,
         QString("Attempting to CREATE the target file gave error %1\n\"%2\": %3")
             .arg(ENOENT)
             .arg(path("missing/page.htm"), QString::fromLocal8Bit(std::strerror(ENOENT))),
         Prompter::Icon::Exclamation},
        {"disk full",
         [&] {
             doc.setPageFile(&failingWrite);
             const OperationResult r = doc.doSave(page);
             doc.setPageFile(nullptr);
             return r;
         },
         ResultCode::WriteFailed,
         QString("Attempting to WRITE to target file gave error %1\n\"%2\": %3")
             .arg(ENOSPC)
             .arg(page, QString::fromLocal8Bit(std::strerror(ENOSPC))),
         Prompter::Icon::Exclamation},
        {"urls",
         [&] {
             doc.setAreaTexts(0, {});
             doc.setAreaTexts(1, {});
             return doc.doSave(page);
         },
         ResultCode::AreasMissingUrls,
         "You have some areas that do not have URLs. You will need to add them in before you can "
         "save this map.",
         Prompter::Icon::Exclamation},
    };
    ASSERT_TRUE(
        doc.openDocument(write("a.map", "#$TITLE:Shop\nrect a.htm 1,1 5,5\nrect b.htm 6,6 9,9\n")));
    // Save As cancelled at its dialog tells nothing.
    prompter.clear();
    EXPECT_EQ(doc.saveAs().code(), ResultCode::Cancelled);
    EXPECT_TRUE(prompter.shown().isEmpty());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        prompter.clear();
        const OperationResult r = c.save();
        EXPECT_EQ(r.code(), c.code);
        EXPECT_EQ(r.text(), c.text);
        EXPECT_EQ(r.icon(), c.icon);
        ASSERT_EQ(prompter.shown().size(), 1);
        EXPECT_EQ(prompter.shown()[0].text, c.text);
        EXPECT_EQ(prompter.shown()[0].icon, c.icon);
        EXPECT_TRUE(doc.isModified());
    }
    EXPECT_FALSE(QFile::exists(page));
}

TEST_F(Results, AMapNotReadWholeIsRefusedItsOwnPageByCode) {
    // More attributes on one AREA than an area keeps: the map is not read whole.
    QByteArray crowded = "<body><map name=m><area coords=1,2,3,4 href=o.htm";
    for (int i = 0; i < 70; ++i)
        crowded += " data-" + QByteArray::number(i) + "=x";
    const QString page =
        write("lossy.htm", crowded + "><area coords=1,1,5,5 href=a.htm></map></body>");
    ASSERT_TRUE(doc.openDocument(page));
    prompter.clear();
    const OperationResult r = doc.doSave(page);
    EXPECT_EQ(r.code(), ResultCode::LossySave);
    EXPECT_EQ(r.text(),
              QString("This map was not read whole from \"%1\"; saving it back into that page "
                      "would delete what was not read. Save it into another page.")
                  .arg(QDir::toNativeSeparators(page)));
    EXPECT_EQ(prompter.texts(), QStringList{r.text()});
    EXPECT_EQ(prompter.shown()[0].icon, Prompter::Icon::Stop);
    EXPECT_EQ(doc.doSave(path("other.htm")).code(), ResultCode::Done);
}

TEST_F(Results, ChangeImageSaysWhetherThePictureChanged) {
    ASSERT_TRUE(doc.openDocument(write("a.map", "#$TITLE:Shop\nrect a.htm 1,1 5,5\n")));
    prompter.clear();
    EXPECT_EQ(doc.changeImage().code(), ResultCode::Cancelled); // the file dialog cancelled
    dialogs.imageFiles = {path("pic.bad"), path("pic.png")};
    const OperationResult bad = doc.changeImage();
    EXPECT_EQ(bad.code(), ResultCode::PictureUnreadable);
    EXPECT_EQ(bad.text(), "Unable to open image file. Press OK to abort loading.");
    EXPECT_EQ(prompter.texts(), QStringList{bad.text()});
    EXPECT_EQ(doc.changeImage().code(), ResultCode::Done);
    EXPECT_EQ(doc.imagePath(), path("pic.png"));
}
