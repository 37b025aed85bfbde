#pragma once

#include "model/CommandTarget.h"

#include <QList>
#include <QObject>

#include <functional>

class ActionTable;

// Routes commands along the chain of command targets: the active map view,
// its document, its map window, the main frame, the application. A command
// goes to each in turn until one carries it out; its state is decided by
// the first target that answers for it, and a command that no target
// answers for is disabled. The chain is asked for afresh each time, so it
// always starts at whatever window is active.
class CommandRouter : public QObject {
    Q_OBJECT
public:
    using Chain = QList<CommandTarget*>;
    using ChainSource = std::function<Chain()>;

    CommandRouter(ActionTable& actions, ChainSource chain, QObject* parent = nullptr);

    // Carries out command id if it is enabled; true when a target did.
    bool dispatch(int id);
    // Dispatches id once the events already queued have been handled, as
    // a command posted to a window would be.
    void post(int id);
    // The command's state along the current chain.
    CommandState stateOf(int id) const;
    // Brings every action of the table up to date (before a menu shows, on
    // idle, on activation of another window).
    void updateActions();

    // Carries out id along chain when the first target that answers for
    // its state enables it; true when a target did. What dispatch does on
    // the current chain, for callers that hold a chain of their own.
    static bool dispatchAlong(const Chain& chain, int id);
    static bool stateAlong(const Chain& chain, int id, CommandState& state);

signals:
    // A target carried out command id.
    void dispatched(int id);

private:
    ActionTable& m_actions;
    ChainSource m_chain;
};
