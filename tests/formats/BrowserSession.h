#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QTemporaryDir>

#include <sys/types.h>

// Headless Chromium driven over its DevTools pipe (file descriptors 3 and
// 4 of the browser, messages ended by NUL): one page in real time, so
// that resize observers, lazy loading and the pointer behave as for a
// user. Evaluations wait for the promises they return.
class BrowserSession {
public:
    // The browser to run, empty when none is installed.
    static QString chromium();

    BrowserSession() = default;
    ~BrowserSession();
    BrowserSession(const BrowserSession&) = delete;
    BrowserSession& operator=(const BrowserSession&) = delete;

    // Starts the browser and opens url in a page of the given viewport;
    // waits until the page has loaded. False (with error()) on failure.
    bool open(const QString& url, int width, int height);
    // The value of expression (awaited when a promise); an exception or a
    // broken pipe gives an undefined value and sets error().
    QJsonValue evaluate(const QString& expression);
    void resizeViewport(int width, int height);
    void moveMouse(double x, double y);
    void pressTab();
    const QString& error() const { return m_error; }

private:
    QJsonObject call(const QString& method, const QJsonObject& params = {}, bool inPage = true);
    bool readMessage(QByteArray& message, int timeoutMs);

    QTemporaryDir m_profile;
    pid_t m_pid = -1;
    int m_toBrowser = -1;
    int m_fromBrowser = -1;
    QByteArray m_pending;
    QString m_sessionId;
    int m_nextId = 1;
    QString m_error;
};
