#include "app/dialogs/PrefsDesktop.h"

#include "model/Settings.h"
#include "model/Strings.h"
#include "model/Translation.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

PrefsDesktop::PrefsDesktop(QWidget* parent)
    : QWidget(parent), m_language(new QComboBox(this)), m_appearance(new QComboBox(this)) {
    m_language->setObjectName(QStringLiteral("language"));
    m_language->addItem(Strings::text(Str::PrefsLanguageSystem), QString());
    // Each language under its own name, so that it can be found whatever
    // language the editor speaks now.
    for (const QString& code : Translation::shipped())
        m_language->addItem(Translation::nativeName(code), code);
    m_appearance->setObjectName(QStringLiteral("appearance"));
    for (int id : {Str::PrefsAppearanceSystem, Str::PrefsAppearanceLight, Str::PrefsAppearanceDark})
        m_appearance->addItem(Strings::text(id));

    auto* note = new QLabel(Strings::text(Str::PrefsLanguageNextStart), this);
    note->setWordWrap(true);
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(Strings::text(Str::PrefsLanguage), m_language);
    form->addRow(QString(), note);
    form->addRow(Strings::text(Str::PrefsAppearance), m_appearance);
}

QString PrefsDesktop::language() {
    return Settings::readText(Str::KeyLanguage);
}

int PrefsDesktop::appearance() {
    return Settings::readInt(Str::KeyAppearance, 0);
}

void PrefsDesktop::load() {
    m_language->setCurrentIndex(qMax(0, m_language->findData(language())));
    m_appearance->setCurrentIndex(qBound(0, appearance(), m_appearance->count() - 1));
}

void PrefsDesktop::store() const {
    Settings::writeText(Str::KeyLanguage, m_language->currentData().toString());
    Settings::writeInt(Str::KeyAppearance, m_appearance->currentIndex());
}
