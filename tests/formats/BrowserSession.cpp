#include "BrowserSession.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

namespace {

constexpr int kCallTimeoutMs = 20000;

} // namespace

QString BrowserSession::chromium() {
    for (const char* name : {"chromium", "chromium-browser", "google-chrome"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

BrowserSession::~BrowserSession() {
    if (m_toBrowser >= 0)
        close(m_toBrowser);
    if (m_fromBrowser >= 0)
        close(m_fromBrowser);
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        for (int i = 0; i < 50 && waitpid(m_pid, nullptr, WNOHANG) == 0; ++i)
            usleep(100000);
        if (waitpid(m_pid, nullptr, WNOHANG) == 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }
}

bool BrowserSession::open(const QString& url, int width, int height) {
    int toBrowser[2], fromBrowser[2];
    if (pipe(toBrowser) != 0 || pipe(fromBrowser) != 0) {
        m_error = QStringLiteral("no pipe");
        return false;
    }
    const QByteArray program = chromium().toLocal8Bit();
    std::vector<QByteArray> args = {program,
                                    "--headless",
                                    "--no-sandbox",
                                    "--disable-gpu",
                                    "--no-first-run",
                                    "--disable-background-networking",
                                    "--disable-component-update",
                                    "--disable-sync",
                                    "--hide-scrollbars",
                                    "--remote-debugging-pipe",
                                    "--user-data-dir=" + m_profile.path().toLocal8Bit(),
                                    "about:blank"};
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    m_pid = fork();
    if (m_pid == 0) {
        // The pipe ends move above 4 first, so that neither is closed by
        // the other's dup2 onto 3 or 4.
        const int in = fcntl(toBrowser[0], F_DUPFD, 10), out = fcntl(fromBrowser[1], F_DUPFD, 10);
        dup2(in, 3);
        dup2(out, 4);
        const int null = ::open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        for (int fd = 5; fd < 1024; ++fd)
            close(fd);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(toBrowser[0]);
    close(fromBrowser[1]);
    m_toBrowser = toBrowser[1];
    m_fromBrowser = fromBrowser[0];
    if (m_pid < 0) {
        m_error = QStringLiteral("no fork");
        return false;
    }
    const QJsonObject target =
        call(QStringLiteral("Target.createTarget"), {{"url", "about:blank"}}, false);
    const QJsonObject attached = call(QStringLiteral("Target.attachToTarget"),
                                      {{"targetId", target["targetId"]}, {"flatten", true}}, false);
    m_sessionId = attached["sessionId"].toString();
    if (m_sessionId.isEmpty())
        return false;
    resizeViewport(width, height);
    call(QStringLiteral("Page.navigate"), {{"url", url}});
    return evaluate(QStringLiteral("new Promise(function (done) { function check() {"
                                   " if (document.readyState === 'complete') done(true);"
                                   " else setTimeout(check, 20); } check(); })"))
        .toBool();
}

QJsonValue BrowserSession::evaluate(const QString& expression) {
    const QJsonObject result =
        call(QStringLiteral("Runtime.evaluate"),
             {{"expression", expression}, {"awaitPromise", true}, {"returnByValue", true}});
    if (result.contains("exceptionDetails")) {
        m_error = QString::fromUtf8(QJsonDocument(result["exceptionDetails"].toObject()).toJson());
        return QJsonValue::Undefined;
    }
    return result["result"].toObject()["value"];
}

void BrowserSession::resizeViewport(int width, int height) {
    call(QStringLiteral("Emulation.setDeviceMetricsOverride"),
         {{"width", width}, {"height", height}, {"deviceScaleFactor", 1}, {"mobile", false}});
}

void BrowserSession::moveMouse(double x, double y) {
    call(QStringLiteral("Input.dispatchMouseEvent"), {{"type", "mouseMoved"}, {"x", x}, {"y", y}});
}

void BrowserSession::pressTab() {
    for (const char* type : {"rawKeyDown", "keyUp"}) {
        call(QStringLiteral("Input.dispatchKeyEvent"), {{"type", type},
                                                        {"key", "Tab"},
                                                        {"code", "Tab"},
                                                        {"windowsVirtualKeyCode", 9},
                                                        {"nativeVirtualKeyCode", 9}});
    }
}

QJsonObject BrowserSession::call(const QString& method, const QJsonObject& params, bool inPage) {
    if (m_toBrowser < 0 || (inPage && m_sessionId.isEmpty()))
        return {};
    const int id = m_nextId++;
    QJsonObject message{{"id", id}, {"method", method}, {"params", params}};
    if (inPage)
        message["sessionId"] = m_sessionId;
    QByteArray bytes = QJsonDocument(message).toJson(QJsonDocument::Compact);
    bytes += '\0';
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = write(m_toBrowser, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0) {
            m_error = QStringLiteral("the browser's pipe closed");
            return {};
        }
        done += n;
    }
    QElapsedTimer clock;
    clock.start();
    QByteArray reply;
    while (readMessage(reply, int(kCallTimeoutMs - clock.elapsed()))) {
        const QJsonObject answer = QJsonDocument::fromJson(reply).object();
        if (answer["id"].toInt() != id)
            continue; // an event, or an earlier call's answer
        if (answer.contains("error"))
            m_error = method + QStringLiteral(": ") +
                      QString::fromUtf8(QJsonDocument(answer["error"].toObject()).toJson());
        return answer["result"].toObject();
    }
    m_error = method + QStringLiteral(": no answer from the browser");
    return {};
}

bool BrowserSession::readMessage(QByteArray& message, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const qsizetype end = m_pending.indexOf('\0');
        if (end >= 0) {
            message = m_pending.left(end);
            m_pending.remove(0, end + 1);
            return true;
        }
        const int left = timeoutMs - int(clock.elapsed());
        pollfd fd{m_fromBrowser, POLLIN, 0};
        if (left <= 0 || poll(&fd, 1, left) <= 0)
            return false;
        char buffer[65536];
        const ssize_t n = read(m_fromBrowser, buffer, sizeof buffer);
        if (n <= 0)
            return false;
        m_pending.append(buffer, n);
    }
}
