#include "view/MapTextEdit.h"

#include "model/MapText.h"

#include <QLineEdit>

namespace MapTextEdit {

QLineEdit* create(const char* name, const QByteArray& bytes, QWidget* parent) {
    auto* edit = new QLineEdit(MapText::toDisplay(bytes), parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QByteArray edited(const QString& text, const QByteArray& original) {
    return text == MapText::toDisplay(original) ? original : MapText::fromDisplay(text);
}

} // namespace MapTextEdit
