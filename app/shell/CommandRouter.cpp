#include "app/shell/CommandRouter.h"

#include "app/shell/ActionTable.h"

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

bool CommandRouter::dispatchAlong(const Chain& chain, int id) {
    CommandState state;
    if (!stateAlong(chain, id, state) || !state.enabled)
        return false;
    for (CommandTarget* target : chain) {
        if (target && target->onCommand(id))
            return true;
    }
    return false;
}

bool CommandRouter::stateAlong(const Chain& chain, int id, CommandState& state) {
    for (CommandTarget* target : chain) {
        if (target && target->onUpdateCommand(id, state))
            return true;
    }
    return false;
}

CommandState CommandRouter::stateOf(int id) const {
    CommandState state;
    if (!stateAlong(m_chain(), id, state))
        state.enabled = false;
    return state;
}

bool CommandRouter::dispatch(int id) {
    const bool done = dispatchAlong(m_chain(), id);
    if (done)
        emit dispatched(id);
    updateActions(); // after the command, or because the action was out of date
    return done;
}

void CommandRouter::post(int id) {
    QTimer::singleShot(0, this, [this, id] { dispatch(id); });
}

void CommandRouter::updateActions() {
    const Chain chain = m_chain();
    for (QAction* action : m_actions.all()) {
        CommandState state;
        if (!stateAlong(chain, ActionTable::commandOf(action), state))
            state.enabled = false;
        apply(action, state);
    }
}
