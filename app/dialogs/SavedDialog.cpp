#include "app/dialogs/SavedDialog.h"

#include "app/dialogs/DialogParts.h"
#include "model/Strings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QVBoxLayout>

SavedDialog::SavedDialog(const QString& text, QWidget* parent)
    : QDialog(parent), m_dontShow(new QCheckBox(Strings::text(Str::SavedDontShow), this)) {
    setWindowTitle(Strings::text(Str::SavedTitle));
    m_dontShow->setObjectName(QStringLiteral("dontShow"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(DialogParts::messageRow(this, QStyle::SP_MessageBoxInformation, text));
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
