#pragma once

#include <QByteArray>
#include <QString>

class QLineEdit;
class QWidget;

// Editing a map's text (bytes as in the file) in the settings dialogs.
namespace MapTextEdit {

// A line edit named name showing bytes as MapText shows them.
QLineEdit* create(const char* name, const QByteArray& bytes, QWidget* parent);

// The bytes of an edited text: the original ones while the text still
// shows them, so that text which is not UTF-8 survives a look at a dialog;
// else the text as stored after editing.
QByteArray edited(const QString& text, const QByteArray& original);

} // namespace MapTextEdit
