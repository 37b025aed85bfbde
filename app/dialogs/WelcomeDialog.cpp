#include "app/dialogs/WelcomeDialog.h"

#include "model/Strings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

WelcomeDialog::WelcomeDialog(AppDialogs::WelcomeChoice preset, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Strings::text(Str::WelcomeTitle));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Strings::text(Str::WelcomeQuestion), this));
    const int texts[3] = {Str::WelcomeOpen, Str::WelcomeNewMap, Str::WelcomeCreateImage};
    const char* names[3] = {"openMap", "newImageMap", "createNewImage"};
    for (int i = 0; i < 3; ++i) {
        m_choices[i] = new QRadioButton(Strings::text(texts[i]), this);
        m_choices[i]->setObjectName(QLatin1String(names[i]));
        layout->addWidget(m_choices[i]);
    }
    m_choices[qBound(0, int(preset), 2)]->setChecked(true);
    // Made after the choices: Tab follows the order widgets are made in.
    m_neverShow = new QCheckBox(Strings::text(Str::WelcomeNeverShow), this);
    m_neverShow->setObjectName(QStringLiteral("neverShow"));
    layout->addSpacing(8);
    layout->addWidget(m_neverShow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

AppDialogs::WelcomeChoice WelcomeDialog::choice() const {
    for (int i = 0; i < 3; ++i) {
        if (m_choices[i]->isChecked())
            return AppDialogs::WelcomeChoice(i);
    }
    return AppDialogs::WelcomeChoice::OpenMap;
}

bool WelcomeDialog::neverShow() const {
    return m_neverShow->isChecked();
}
