#include "app/shell/IdleProcessor.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::Drop:
    case QEvent::TouchBegin:
        return true;
    default:
        return false;
    }
}

} // namespace

IdleProcessor::IdleProcessor(QObject* parent) : QObject(parent) {
    // A zero interval fires once the queued events have all been handled.
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (!runPass())
            m_timer.stop();
    });
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

IdleProcessor::~IdleProcessor() {
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

void IdleProcessor::addClient(IdleClient* client) {
    if (client && !m_clients.contains(client))
        m_clients << client;
    restart();
}

void IdleProcessor::removeClient(IdleClient* client) {
    m_clients.removeAll(client);
}

void IdleProcessor::restart() {
    m_pass = 0;
    if (!m_timer.isActive())
        m_timer.start();
}

bool IdleProcessor::runPass() {
    bool more = false;
    // A client may remove itself (or others) while it runs.
    const QList<IdleClient*> clients = m_clients;
    for (IdleClient* client : clients) {
        if (m_clients.contains(client) && client->onIdle(m_pass))
            more = true;
    }
    ++m_pass;
    return more;
}

bool IdleProcessor::eventFilter(QObject* watched, QEvent* event) {
    // Every input event reaches the filter once per widget it travels
    // through; restarting is cheap and idempotent.
    if (isUserInput(event->type()))
        restart();
    return QObject::eventFilter(watched, event);
}
