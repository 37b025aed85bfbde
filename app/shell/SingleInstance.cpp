#include "app/shell/SingleInstance.h"

#include "app/shell/InstanceMessage.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <unistd.h>

namespace {

constexpr int kConnectMs = 1000;
constexpr int kWriteMs = 3000;
constexpr int kLockMs = 5000;

} // namespace

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent), m_name(name) {}

SingleInstance::~SingleInstance() {
    if (m_server)
        m_server->close();
}

QString SingleInstance::defaultName() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(QStringLiteral("tessary-instance"));
    return QStringLiteral("tessary-%1").arg(getuid());
}

QString SingleInstance::lockPath() const {
    const QString socket =
        QDir::isAbsolutePath(m_name) ? m_name : QDir(QDir::tempPath()).filePath(m_name);
    return socket + QStringLiteral(".lock");
}

SingleInstance::Role SingleInstance::start(const QStringList& arguments) {
    // Two copies starting together must not both find nobody and listen.
    QLockFile lock(lockPath());
    lock.tryLock(kLockMs);
    if (handOver(arguments))
        m_role = Role::HandedOver;
    else
        m_role = listen() ? Role::Primary : Role::Standalone;
    return m_role;
}

bool SingleInstance::isLastCopy() const {
    switch (m_role) {
    case Role::Primary:
        return true;
    case Role::HandedOver:
        return false;
    case Role::Standalone:
        break;
    }
    QLocalSocket probe;
    probe.connectToServer(m_name);
    return !probe.waitForConnected(kConnectMs);
}

bool SingleInstance::handOver(const QStringList& arguments) const {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kConnectMs))
        return false;
    const QByteArray message = encode(arguments);
    socket.write(message);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(kWriteMs))
            return false;
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kConnectMs);
    return true;
}

bool SingleInstance::listen() {
    // Nobody answered, so a socket left by a copy that crashed is stale.
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        delete m_server;
        m_server = nullptr;
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::takeConnection);
    return true;
}

void SingleInstance::takeConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        socket->setParent(this);
        socket->setReadBufferSize(InstanceMessage::kMaxBytes + 1);
        connect(socket, &QLocalSocket::disconnected, this,
                [this, socket] { connectionDone(socket); });
        if (socket->state() != QLocalSocket::ConnectedState)
            connectionDone(socket);
    }
}

void SingleInstance::connectionDone(QLocalSocket* socket) {
    const QByteArray message = socket->readAll();
    socket->deleteLater();
    QStringList arguments;
    if (message.size() > InstanceMessage::kMaxBytes || !decode(message, arguments))
        return;
    if (m_ready)
        emit argumentsReceived(arguments);
    else
        m_held << arguments;
}

void SingleInstance::setReady(bool ready) {
    m_ready = ready;
    while (m_ready && !m_held.isEmpty())
        emit argumentsReceived(m_held.takeFirst());
}

QByteArray SingleInstance::encode(const QStringList& arguments) {
    return InstanceMessage::encode(arguments);
}

bool SingleInstance::decode(const QByteArray& bytes, QStringList& arguments) {
    return InstanceMessage::decode(bytes, arguments);
}
