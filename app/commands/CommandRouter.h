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
//
// The actions' states are brought up to date when something they depend on
// says it changed (refresh(), connected to those signals by whoever owns
// them) and after every command carried out; nothing polls them.
class CommandRouter : public QObject {
    Q_OBJECT
public:
    using Chain = QList<CommandTarget*>;
    using ChainSource = std::function<Chain()>;

    CommandRouter(ActionTable& actions, ChainSource chain, QObject* parent = nullptr);

    // Carries out command id if it is enabled; true when a target did.
    bool dispatch(CommandId id);
    // Dispatches id once the events already queued have been handled, as
    // a command posted to a window would be.
    void post(CommandId id);
    // The command's state along the current chain.
    CommandState stateOf(CommandId id) const;
    // Brings every action of the table up to date along the current chain.
    void refresh();
    // How many times the actions were brought up to date.
    int refreshCount() const { return m_refreshes; }

    // Carries out id along chain when the first target that answers for
    // its state enables it; true when a target did. What dispatch does on
    // the current chain, for callers that hold a chain of their own.
    static bool dispatchAlong(const Chain& chain, CommandId id);
    static bool stateAlong(const Chain& chain, CommandId id, CommandState& state);

signals:
    // A target carried out command id.
    void dispatched(CommandId id);

private:
    ActionTable& m_actions;
    ChainSource m_chain;
    int m_refreshes = 0;
};
