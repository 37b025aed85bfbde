#pragma once

#include <QList>
#include <QObject>
#include <QTimer>

// Work done while the user does nothing, one small step per idle pass.
class IdleClient {
public:
    virtual ~IdleClient() = default;
    // Idle pass `pass` (0, 1, 2, ...); true when the client wants the next.
    virtual bool onIdle(int pass) = 0;
};

// Runs numbered idle passes whenever the event queue is empty: pass 0 when
// idle time begins, then 1, 2, ... while some client wants more. Any user
// input (keys, mouse, wheel, drops) starts over at pass 0, so that work
// such as the map check always sees the map as the user left it.
class IdleProcessor : public QObject {
    Q_OBJECT
public:
    explicit IdleProcessor(QObject* parent = nullptr);
    ~IdleProcessor() override;

    // Clients are asked in the order added; not owned.
    void addClient(IdleClient* client);
    void removeClient(IdleClient* client);

    // Starts over at pass 0 at the next idle moment. User input does this
    // by itself; call it when something else changed what idle work sees.
    void restart();
    // The pass the next idle moment runs.
    int nextPass() const { return m_pass; }
    bool isRunning() const { return m_timer.isActive(); }
    // Runs one pass now; true while some client wants more.
    bool runPass();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<IdleClient*> m_clients;
    QTimer m_timer;
    int m_pass = 0;
};
