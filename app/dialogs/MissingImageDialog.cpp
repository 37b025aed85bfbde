#include "app/dialogs/MissingImageDialog.h"

#include "app/dialogs/DialogParts.h"
#include "model/Prompter.h"
#include "model/Strings.h"
#include "raster/ImageLoadTexts.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QVBoxLayout>

MissingImageDialog::MissingImageDialog(const QByteArray& imageFile, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Strings::text(Str::MissingImageTitle));
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &MissingImageDialog::showHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(
        DialogParts::messageRow(this, QStyle::SP_MessageBoxWarning,
                                ImageLoadTexts::missingImageText(QFile::decodeName(imageFile))));
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

bool MissingImageDialog::ask(const QByteArray& imageFile, QWidget* parent) {
    MissingImageDialog dialog(imageFile, parent);
    return dialog.exec() == QDialog::Accepted;
}

void MissingImageDialog::showHelp() {
    Prompter::current().tell(Strings::text(Str::MissingImageHelp), Prompter::Icon::Information);
}
