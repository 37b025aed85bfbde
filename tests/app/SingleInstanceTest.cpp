#include "app/shell/SingleInstance.h"
#include "support/QtTestApp.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        qtTestApp();
        ASSERT_TRUE(m_dir.isValid());
        m_name = QDir(m_dir.path()).filePath("instance");
    }
    // Processes events until the spy has count signals (or a long time passed).
    static bool waitFor(QSignalSpy& spy, int count) {
        QElapsedTimer timer;
        timer.start();
        while (spy.count() < count && timer.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return spy.count() >= count;
    }
    QTemporaryDir m_dir;
    QString m_name;
};

} // namespace

TEST_F(SingleInstanceTest, ALaterStartHandsItsArgumentsToTheFirstAndEnds) {
    SingleInstance first(m_name);
    ASSERT_EQ(first.start({}), SingleInstance::Role::Primary);
    first.setReady(true);
    QSignalSpy received(&first, &SingleInstance::argumentsReceived);

    SingleInstance second(m_name);
    EXPECT_EQ(second.start({"site.map", "/g:pic.png"}), SingleInstance::Role::HandedOver);
    ASSERT_TRUE(waitFor(received, 1));
    EXPECT_EQ(received[0][0].toStringList(), (QStringList{"site.map", "/g:pic.png"}));
    EXPECT_TRUE(first.isLastCopy());
    EXPECT_FALSE(second.isLastCopy());
}

TEST_F(SingleInstanceTest, ArgumentsArrivingBeforeTheFirstCopyIsReadyAreHeldInOrder) {
    SingleInstance first(m_name);
    ASSERT_EQ(first.start({}), SingleInstance::Role::Primary);
    QSignalSpy received(&first, &SingleInstance::argumentsReceived);
    SingleInstance(m_name).start({"a.map"});
    SingleInstance(m_name).start({"b.map"});
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 300)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(received.count(), 0);
    first.setReady(true);
    ASSERT_EQ(received.count(), 2);
    EXPECT_EQ(received[0][0].toStringList(), QStringList{"a.map"});
    EXPECT_EQ(received[1][0].toStringList(), QStringList{"b.map"});
}

TEST_F(SingleInstanceTest, ASocketLeftByACrashedCopyDoesNotStopTheNextStart) {
    // A socket bound and listened on, then closed without being removed,
    // as a copy that crashed leaves it.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(m_name);
    std::memcpy(address.sun_path, path.constData(), path.size());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(fd, 1), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(m_name));

    SingleInstance next(m_name);
    EXPECT_EQ(next.start({}), SingleInstance::Role::Primary);
}

TEST_F(SingleInstanceTest, ArgumentsAreCutTo1024BytesAtACharacterBoundary) {
    const QString longName = QString(1023, QLatin1Char('a')) + QString::fromUtf8("\xc3\xa9") + "z";
    QStringList decoded;
    ASSERT_TRUE(SingleInstance::decode(SingleInstance::encode({longName, "b"}), decoded));
    ASSERT_EQ(decoded.size(), 2);
    EXPECT_EQ(decoded[0], QString(1023, QLatin1Char('a')));
    EXPECT_EQ(decoded[1], "b");
}

TEST_F(SingleInstanceTest, MalformedMessagesAreRefused) {
    QStringList decoded{"untouched"};
    const QByteArray good = SingleInstance::encode({"a.map"});
    EXPECT_FALSE(SingleInstance::decode(good.left(good.size() - 1), decoded));
    EXPECT_FALSE(SingleInstance::decode(good + "x", decoded));
    EXPECT_FALSE(SingleInstance::decode(QByteArray("GET / HTTP/1.0\r\n\r\n"), decoded));
    QByteArray tooMany = good;
    tooMany[7] = char(0xff); // the argument count's low byte
    EXPECT_FALSE(SingleInstance::decode(tooMany, decoded));
    EXPECT_EQ(decoded, QStringList{"untouched"});
}

TEST_F(SingleInstanceTest, WithoutASocketTheCopyRunsAloneAndStoresItsSettings) {
    SingleInstance alone(QDir(m_dir.path()).filePath("missing/folder/instance"));
    EXPECT_EQ(alone.start({"a.map"}), SingleInstance::Role::Standalone);
    EXPECT_TRUE(alone.isLastCopy());
}
