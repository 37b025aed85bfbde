#include "app/MissingImageDialog.h"

#include "app/ImageLoadTexts.h"
#include "model/Prompter.h"
#include "model/Strings.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

MissingImageDialog::MissingImageDialog(const QByteArray& imageFile, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Strings::text(Str::MissingImageTitle));

    auto* icon = new QLabel(this);
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(side, side));
    auto* text = new QLabel(ImageLoadTexts::missingImageText(QFile::decodeName(imageFile)), this);
    text->setObjectName(QStringLiteral("text"));
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &MissingImageDialog::showHelp);

    auto* message = new QHBoxLayout;
    message->addWidget(icon, 0, Qt::AlignTop);
    message->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(message);
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
