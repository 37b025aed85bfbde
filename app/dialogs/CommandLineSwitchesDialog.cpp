#include "app/dialogs/CommandLineSwitchesDialog.h"

#include "model/Strings.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CommandLineSwitchesDialog::CommandLineSwitchesDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(Strings::text(Str::SwitchesTitle));
    auto* layout = new QVBoxLayout(this);
    auto* syntax = new QLabel(Strings::text(Str::SwitchesSyntax), this);
    QFont bold = syntax->font();
    bold.setBold(true);
    syntax->setFont(bold);
    layout->addWidget(syntax);
    for (int id : {Str::SwitchesFile, Str::SwitchesMap, Str::SwitchesImage, Str::SwitchesDash}) {
        auto* line = new QLabel(Strings::text(id), this);
        line->setWordWrap(true);
        layout->addWidget(line);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}
