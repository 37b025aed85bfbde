#include "formats/MapFileSaver.h"
#include "formats/PageFile.h"
#include "model/MapArea.h"
#include "model/MapInfo.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

// Fails one step of the replacement the way the system would: a write that
// stops half way (disk full), or a rename that is refused.
class FailingPageFile : public PageFile {
public:
    explicit FailingPageFile(Step failAt) : m_failAt(failAt) {}
    bool create(const QString& path) override {
        return m_failAt == Step::Create ? fail(Step::Create, EACCES) : PageFile::create(path);
    }
    bool write(QByteArrayView bytes) override {
        if (m_failAt != Step::Write)
            return PageFile::write(bytes);
        PageFile::write(bytes.first(bytes.size() / 2));
        m_file.flush();
        return fail(Step::Write, ENOSPC);
    }
    bool replace() override {
        return m_failAt == Step::Replace ? fail(Step::Replace, EBUSY) : PageFile::replace();
    }

private:
    Step m_failAt;
};

class Saver : public ::testing::Test, protected TempFiles {
protected:
    // The saver tells nobody: a failure is shown here as the document
    // shows it, so that the texts the user sees are what is checked.
    bool shown(const OperationResult& result) {
        last = result;
        result.tell();
        return result.ok();
    }
    bool save(MapFileSaver& saver, const QString& path) {
        if (!shown(saver.open(path)))
            return false;
        MapInfo info;
        info.title = "Shop";
        info.imageFile = "shop.gif";
        saver.begin(info);
        MapArea area;
        area.setRect(1, 2, 3, 4);
        area.setTexts({"a.htm", {}, {}});
        saver.writeArea(area);
        saver.writeDefault(info);
        return shown(saver.commit());
    }

    ScriptedPrompter prompter;
    OperationResult last;
};

const QByteArray kPage = "<HTML><BODY>\r\n<P>keep me</P>\r\n</BODY></HTML>\r\n";

} // namespace

TEST_F(Saver, ReplacesAnExistingPageAndCreatesANewOne) {
    const QString page = write("page.htm", kPage);
    MapFileSaver saver;
    ASSERT_TRUE(save(saver, page));
    const QByteArray written = read(page);
    EXPECT_TRUE(written.startsWith("<HTML><BODY>\r\n<P>keep me</P>\r\n<!-- Start"));
    EXPECT_TRUE(written.contains("<AREA SHAPE=RECT COORDS=\"1,2,3,4\" HREF=\"a.htm\" ALT=\"\">"));

    ASSERT_TRUE(save(saver, dir.filePath("new.htm")));
    EXPECT_TRUE(read(dir.filePath("new.htm")).startsWith("<HTML>\r\n<HEAD>"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2); // no temporary files left
    EXPECT_TRUE(prompter.shown().isEmpty());
}

TEST_F(Saver, RefusesTargetsThatAreNotWritableFiles) {
    const QString locked = write("locked.htm", kPage);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ReadGroup);
    QDir(dir.path()).mkdir("folder.htm");
    MapFileSaver saver;
    for (const QString& path : {locked, dir.filePath("folder.htm")}) {
        prompter.clear();
        EXPECT_FALSE(shown(saver.open(path)));
        EXPECT_EQ(last.code(), OperationResult::Code::NotWritable);
        ASSERT_EQ(prompter.texts().size(), 1);
        EXPECT_EQ(prompter.texts()[0], QString("The file %1 is not a writable file.").arg(path));
        EXPECT_EQ(prompter.shown()[0].icon, Prompter::Icon::Exclamation);
    }
    EXPECT_EQ(read(locked), kPage);
}

TEST_F(Saver, FailedStepsLeaveTheOldPageByteForByte) {
    using Code = OperationResult::Code;
    const struct {
        PageFile::Step step;
        QString message;
        int error;
        Code code;
    } cases[] = {
        {PageFile::Step::Create,
         QString("Attempting to CREATE the target file gave error %1\n").arg(EACCES), EACCES,
         Code::CreateFailed},
        {PageFile::Step::Write,
         QString("Attempting to WRITE to target file gave error %1\n").arg(ENOSPC), ENOSPC,
         Code::WriteFailed},
        {PageFile::Step::Replace,
         QString("Attempting to DELETE the target file gave error %1\n").arg(EBUSY), EBUSY,
         Code::ReplaceFailed},
    };
    const QString page = write("page.htm", kPage);
    for (const auto& c : cases) {
        prompter.clear();
        FailingPageFile file(c.step);
        MapFileSaver saver(&file);
        EXPECT_FALSE(save(saver, page));
        EXPECT_EQ(last.code(), c.code);
        EXPECT_EQ(read(page), kPage);
        // The step's message, then the file and the system's reason.
        EXPECT_EQ(prompter.texts(), QStringList{c.message + "\"" + page + "\": " +
                                                QString::fromLocal8Bit(std::strerror(c.error))});
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"page.htm"});
    }
}

TEST_F(Saver, TargetInAMissingFolderFailsAtCreate) {
    MapFileSaver saver;
    EXPECT_FALSE(save(saver, dir.filePath("missing/page.htm")));
    ASSERT_EQ(prompter.texts().size(), 1);
    EXPECT_TRUE(prompter.texts()[0].startsWith("Attempting to CREATE the target file gave error "));
    EXPECT_FALSE(
        prompter.texts()[0].startsWith("Attempting to CREATE the target file gave error 0"));
    EXPECT_TRUE(prompter.texts()[0].endsWith("\n\"" + dir.filePath("missing/page.htm") +
                                             "\": No such file or directory"))
        << prompter.texts()[0].toStdString();
}
