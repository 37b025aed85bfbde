#include "document/RecoveryStore.h"
#include "document/ProcessIdentity.h"
#include "model/Strings.h"
#include "support/TempFiles.h"

#include <QDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

int modeOf(const QString& path) {
    struct stat st {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
    return int(st.st_mode & 0777);
}

RecoveryCopy sampleCopy(int areas) {
    RecoveryCopy copy;
    copy.state.info.title = "Shop";
    copy.state.info.defaultUrl = "index.htm";
    copy.state.imagePath = "/pictures/shop.png";
    for (int i = 0; i < areas; ++i) {
        PictureArea a;
        a.rect = {i, i, i + 10, i + 10};
        a.texts.url = "a" + QByteArray::number(i) + ".htm";
        copy.state.areas.push_back(a);
    }
    copy.time = QDateTime::currentDateTimeUtc();
    copy.ownerPid = ProcessIdentity::currentPid();
    return copy;
}

QStringList leftovers(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

// Copies live in a folder of the user's only (0700), each readable by the
// user only (0600) whatever the umask; a rewrite replaces the copy, a
// removal takes it away, and the listing reads every copy, readable or not.
TEST(RecoveryStoreTest, CopiesAreTheUsersOnlyAndListWithTheirReasons) {
    TempFiles files;
    const RecoveryStore store(files.path("state/recovery"));
    const mode_t umask = ::umask(0);
    const QString name = RecoveryStore::newName();
    ASSERT_TRUE(store.write(name, sampleCopy(2).encode()));
    ::umask(umask);
    EXPECT_EQ(modeOf(store.folder()), 0700);
    EXPECT_EQ(modeOf(store.filePath(name)), 0600);
    EXPECT_NE(RecoveryStore::newName(), name);

    ASSERT_TRUE(store.write(name, sampleCopy(5).encode()));
    files.write("state/recovery/broken.recovery", "Tessary recovery copy 1\npath=x\n");
    files.write("state/recovery/other.txt", "not a copy by name");
    std::vector<RecoveryStore::Entry> entries = store.list();
    ASSERT_EQ(entries.size(), 2u);
    int readable = 0;
    for (const RecoveryStore::Entry& e : entries) {
        if (e.name == name) {
            ++readable;
            EXPECT_TRUE(e.readable);
            EXPECT_EQ(e.copy.state.areas.size(), 5u);
        } else {
            EXPECT_FALSE(e.readable);
            EXPECT_EQ(e.reason, Strings::text(Str::RecoveryTruncated));
        }
    }
    EXPECT_EQ(readable, 1);
    EXPECT_TRUE(store.remove(name));
    EXPECT_EQ(store.list().size(), 1u);
    EXPECT_EQ(leftovers(store.folder()), QStringList({"broken.recovery", "other.txt"}));
}

// A write that fails on the way leaves the previous copy byte for byte and
// no temporary file: a disk that fills up (a file size limit, which holds
// for root too) and, where permissions count, a folder made read-only.
TEST(RecoveryStoreTest, AFailedWriteLeavesThePreviousCopy) {
    TempFiles files;
    const RecoveryStore store(files.path("recovery"));
    const QString name = QStringLiteral("map.recovery");
    const QByteArray first = sampleCopy(1).encode();
    ASSERT_TRUE(store.write(name, first));

    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = rlim_t(first.size() + 16);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    QString error;
    const bool written = store.write(name, sampleCopy(300).encode(), &error);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(files.read("recovery/map.recovery"), first);
    EXPECT_EQ(leftovers(store.folder()), QStringList({name}));

    if (::geteuid() != 0) {
        ASSERT_EQ(::chmod(QFile::encodeName(store.folder()).constData(), 0500), 0);
        EXPECT_FALSE(store.write(name, sampleCopy(3).encode(), &error));
        ::chmod(QFile::encodeName(store.folder()).constData(), 0700);
        EXPECT_EQ(files.read("recovery/map.recovery"), first);
        EXPECT_EQ(leftovers(store.folder()), QStringList({name}));
    }
    // A store whose folder cannot be made says so.
    files.write("blocked", "a file where the folder would be");
    EXPECT_FALSE(RecoveryStore(files.path("blocked/recovery")).write(name, first, &error));
    EXPECT_FALSE(error.isEmpty());
}

// A copy's owner runs while a process of its id and start time runs: this
// process does; a process that ended does not, nor one that took the id of
// another start.
TEST(RecoveryStoreTest, TheOwnerOfACopyIsKnownByIdAndStartTime) {
    const qint64 self = ProcessIdentity::currentPid();
    const qint64 start = ProcessIdentity::startTime(self);
    EXPECT_GT(start, 0);
    EXPECT_TRUE(ProcessIdentity::isRunning(self, start));
    EXPECT_FALSE(ProcessIdentity::isRunning(self, start + 1));
    EXPECT_FALSE(ProcessIdentity::isRunning(0, 0));
    EXPECT_FALSE(ProcessIdentity::isRunning(-5, 0));

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_FALSE(ProcessIdentity::isRunning(child, 0));
}
