#pragma once

#include <QStyle>

class QHBoxLayout;
class QLabel;
class QString;
class QWidget;

// Pieces the editor's own message-like windows share.
namespace DialogParts {

// Moves window to the centre of its parent's screen (its own, or the
// primary one, without a parent) at its present size.
void centreOnScreen(QWidget& window);

// A message box's body for dialog: the standard icon on the left, the text
// beside it, word-wrapped and selectable, named "text".
QHBoxLayout* messageRow(QWidget* dialog, QStyle::StandardPixmap icon, const QString& text);

} // namespace DialogParts
