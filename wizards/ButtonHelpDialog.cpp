#include "wizards/ButtonHelpDialog.h"

#include "model/ProgramFolder.h"
#include "model/Settings.h"
#include "model/Strings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
// The help is a small text file; more is not ours.
constexpr qint64 kMaxHelpBytes = 1 << 20;
} // namespace

ButtonHelpDialog::ButtonHelpDialog(QWidget* parent)
    : QDialog(parent), m_never(new QCheckBox(Strings::text(Str::ImgWizHelpNever), this)) {
    setWindowTitle(Strings::text(Str::ImgWizHelpTitle));
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("help"));
    QFile file(helpPath());
    if (file.open(QIODevice::ReadOnly))
        text->setMarkdown(QString::fromUtf8(file.read(kMaxHelpBytes)));
    m_never->setChecked(Settings::app().neverShowButtonRtf);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_never);
    layout->addWidget(buttons);
    resize(560, 420);
}

QString ButtonHelpDialog::helpPath() {
    return QDir(ProgramFolder::path()).filePath(QStringLiteral("Buttons/CreatingButtons.md"));
}

bool ButtonHelpDialog::show(QWidget* parent) {
    ButtonHelpDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    Settings::app().neverShowButtonRtf = dialog.m_never->isChecked();
    return true;
}
