#pragma once

#include "model/Strings.h"

#include <QString>

// The texts of Edit > Undo and Redo: "&Undo Move Area" naming the step, or
// plain "&Undo" with nothing to undo. The document and the menus' actions
// share them.
namespace UndoMenuText {

inline QString undo(bool canUndo, const QString& step) {
    if (!canUndo)
        return Strings::text(Str::ItemUndo);
    return Strings::format(Str::ItemUndoStep, step.toUtf8().constData());
}

inline QString redo(bool canRedo, const QString& step) {
    if (!canRedo)
        return Strings::text(Str::ItemRedo);
    return Strings::format(Str::ItemRedoStep, step.toUtf8().constData());
}

} // namespace UndoMenuText
