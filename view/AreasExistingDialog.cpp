#include "view/AreasExistingDialog.h"

#include "model/Strings.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AreasExistingDialog::AreasExistingDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("areasExisting"));
    setWindowTitle(Strings::text(Str::AreasExistingTitle));
    auto* text = new QLabel(Strings::text(Str::AreasExistingText), this);
    text->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* add =
        buttons->addButton(Strings::text(Str::AreasExistingAdd), QDialogButtonBox::AcceptRole);
    add->setObjectName(QStringLiteral("add"));
    add->setDefault(true);
    QPushButton* replace = buttons->addButton(Strings::text(Str::AreasExistingReplace),
                                              QDialogButtonBox::DestructiveRole);
    replace->setObjectName(QStringLiteral("replace"));
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(add, &QPushButton::clicked, this, [this] { done(kAdd); });
    connect(replace, &QPushButton::clicked, this, [this] { done(kReplace); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

DocumentDialogs::ExistingAreas AreasExistingDialog::ask(QWidget* parent) {
    AreasExistingDialog dialog(parent);
    switch (dialog.exec()) {
    case kAdd:
        return DocumentDialogs::ExistingAreas::Add;
    case kReplace:
        return DocumentDialogs::ExistingAreas::Replace;
    default:
        return DocumentDialogs::ExistingAreas::Cancel;
    }
}
