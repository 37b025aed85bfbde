#include "app/dialogs/DialogParts.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QWidget>

namespace DialogParts {

void centreOnScreen(QWidget& window) {
    const QWidget* parent = window.parentWidget();
    const QScreen* screen = parent ? parent->screen() : window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        window.move(screen->availableGeometry().center() - window.rect().center());
}

QHBoxLayout* messageRow(QWidget* dialog, QStyle::StandardPixmap icon, const QString& text) {
    auto* picture = new QLabel(dialog);
    QStyle* style = dialog->style();
    const int side = style->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, dialog);
    picture->setPixmap(style->standardIcon(icon).pixmap(side, side));
    auto* message = new QLabel(text, dialog);
    message->setObjectName(QStringLiteral("text"));
    message->setWordWrap(true);
    message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* row = new QHBoxLayout;
    row->addWidget(picture, 0, Qt::AlignTop);
    row->addWidget(message, 1);
    return row;
}

} // namespace DialogParts
