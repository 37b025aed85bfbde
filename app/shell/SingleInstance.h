#pragma once

#include "app/shell/InstanceMessage.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// Keeps one running copy of the editor per user. The first copy listens on
// a local socket; a later start connects, hands over its command-line
// arguments (each cut to 1,024 bytes) and ends, and the first copy processes
// them as a command line of its own. Only the last copy to exit stores the
// settings.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role {
        Primary,    // this copy listens: others hand their arguments to it
        HandedOver, // a running copy took the arguments: end this one
        Standalone, // neither could be reached nor listened on: run alone
    };
    static constexpr int kMaxArgumentBytes = InstanceMessage::kMaxArgumentBytes;
    static constexpr int kMaxArguments = InstanceMessage::kMaxArguments;

    // name: the socket's name; a path, or a name placed in the temporary folder.
    explicit SingleInstance(const QString& name = defaultName(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // The per-user name: in the user's runtime folder when there is one.
    static QString defaultName();

    // Hands arguments to a running copy, or else becomes the copy that
    // later starts hand theirs to.
    Role start(const QStringList& arguments);
    Role role() const { return m_role; }
    // True when no other copy is known to run: the copy that may store the
    // settings at exit.
    bool isLastCopy() const;

    // Arguments that arrive before the application is ready for them are
    // held and delivered, in order, once it is.
    void setReady(bool ready);

    // The bytes a start sends for its arguments, and back (InstanceMessage);
    // empty lists decode to nothing.
    static QByteArray encode(const QStringList& arguments);
    static bool decode(const QByteArray& bytes, QStringList& arguments);

signals:
    // A later start's arguments.
    void argumentsReceived(const QStringList& arguments);

private:
    bool handOver(const QStringList& arguments) const;
    bool listen();
    void takeConnection();
    void connectionDone(QLocalSocket* socket);
    QString lockPath() const;

    QString m_name;
    QLocalServer* m_server = nullptr;
    Role m_role = Role::Standalone;
    bool m_ready = false;
    QList<QStringList> m_held;
};
