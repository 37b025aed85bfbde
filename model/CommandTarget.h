#pragma once

#include "model/CommandIds.h"

#include <QString>

// What an update handler decides for one command whenever something it
// depends on changed (menus and toolbars show it).
struct CommandState {
    bool enabled = true;
    bool checked = false;
    // Checked shown as a radio mark (tools, zoom levels) rather than a tick.
    bool radio = false;
    // A new text for the menu item; empty keeps the action's own.
    QString text;
};

// One link of the command chain: the active map view, its document, its
// child frame, the main frame, the application. A triggered action is
// offered to each in turn until one handles it; update handlers run along
// the same chain, and the first that answers decides the state.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    // True when this target carried out command id.
    virtual bool onCommand(CommandId id) = 0;
    // True when this target decided the state of command id.
    virtual bool onUpdateCommand(CommandId id, CommandState& state) = 0;
};
