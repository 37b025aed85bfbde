#include "app/commands/CommandRouter.h"

#include "app/commands/ActionTable.h"

#include <QAction>
#include <QTimer>

namespace {

// The text an action was made with, so that a changed text can go back.
const char* const kBaseText = "tessaryBaseText";

void apply(QAction* action, const CommandState& state) {
    action->setEnabled(state.enabled);
    if (action->isCheckable())
        action->setChecked(state.checked);
    QVariant base = action->property(kBaseText);
    if (!base.isValid()) {
        base = action->text();
        action->setProperty(kBaseText, base);
    }
    action->setText(state.text.isEmpty() ? base.toString() : state.text);
}

} // namespace

CommandRouter::CommandRouter(ActionTable& actions, ChainSource chain, QObject* parent)
    : QObject(parent), m_actions(actions), m_chain(std::move(chain)) {
    connect(&m_actions, &ActionTable::commandTriggered, this, &CommandRouter::dispatch);
}

bool CommandRouter::dispatchAlong(const Chain& chain, CommandId id) {
    CommandState state;
    if (!stateAlong(chain, id, state) || !state.enabled)
        return false;
    for (CommandTarget* target : chain) {
        if (target && target->onCommand(id))
            return true;
    }
    return false;
}

bool CommandRouter::stateAlong(const Chain& chain, CommandId id, CommandState& state) {
    for (CommandTarget* target : chain) {
        if (target && target->onUpdateCommand(id, state))
            return true;
    }
    return false;
}

CommandState CommandRouter::stateOf(CommandId id) const {
    CommandState state;
    if (m_actions.followsItsOwnState(id)) {
        const QAction* action = m_actions.action(id);
        state.enabled = action->isEnabled();
        state.text = action->text();
        return state;
    }
    if (!stateAlong(m_chain(), id, state))
        state.enabled = false;
    return state;
}

bool CommandRouter::dispatch(CommandId id) {
    if (m_actions.followsItsOwnState(id)) {
        // Undo and Redo act on the active window's stack by themselves.
        QAction* action = m_actions.action(id);
        if (!action->isEnabled())
            return false;
        action->trigger();
        emit dispatched(id);
        refresh();
        return true;
    }
    const bool done = dispatchAlong(m_chain(), id);
    if (done)
        emit dispatched(id);
    refresh(); // after the command, or because the action was out of date
    return done;
}

void CommandRouter::post(CommandId id) {
    QTimer::singleShot(0, this, [this, id] { dispatch(id); });
}

void CommandRouter::refresh() {
    ++m_refreshes;
    const Chain chain = m_chain();
    for (QAction* action : m_actions.all()) {
        const std::optional<CommandId> id = ActionTable::commandOf(action);
        if (!id || m_actions.followsItsOwnState(*id))
            continue;
        CommandState state;
        if (!stateAlong(chain, *id, state))
            state.enabled = false;
        apply(action, state);
    }
}
