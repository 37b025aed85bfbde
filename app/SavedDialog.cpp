#include "app/SavedDialog.h"

#include "model/Strings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

SavedDialog::SavedDialog(const QString& text, QWidget* parent)
    : QDialog(parent), m_dontShow(new QCheckBox(Strings::text(Str::SavedDontShow), this)) {
    setWindowTitle(Strings::text(Str::SavedTitle));
    auto* icon = new QLabel(this);
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(side, side));
    auto* message = new QLabel(text, this);
    message->setObjectName(QStringLiteral("text"));
    message->setWordWrap(true);
    message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_dontShow->setObjectName(QStringLiteral("dontShow"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(message, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_dontShow);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

bool SavedDialog::dontShowAgain() const {
    return m_dontShow->isChecked();
}

bool SavedDialog::ask(const QString& text, QWidget* parent) {
    SavedDialog dialog(text, parent);
    dialog.exec();
    return dialog.dontShowAgain();
}
