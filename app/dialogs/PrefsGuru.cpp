#include "app/dialogs/PrefsGuru.h"

#include "model/Prompter.h"
#include "model/Settings.h"
#include "model/Strings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

CPrefsGuru::CPrefsGuru(const Settings& source, int recentCount, QWidget* parent)
    : PrefPage(source, parent), m_maxRecent(new QSpinBox(this)),
      m_clearList(new QPushButton(Strings::text(Str::PrefsClearList), this)),
      m_urlLead(new QLineEdit(this)) {
    m_maxRecent->setObjectName(QStringLiteral("maxRecent"));
    m_maxRecent->setRange(kMinRecent, kMaxRecent);
    m_clearList->setObjectName(QStringLiteral("clearList"));
    m_clearList->setEnabled(recentCount > 0);
    m_urlLead->setObjectName(QStringLiteral("defaultUrlLead"));
    connect(m_clearList, &QPushButton::clicked, this, [this] {
        m_clear = true;
        m_clearList->setEnabled(false);
    });

    auto* recentLabel = new QLabel(Strings::text(Str::PrefsMaxRecent), this);
    recentLabel->setBuddy(m_maxRecent);
    auto* recent = new QHBoxLayout;
    recent->addWidget(recentLabel);
    recent->addWidget(m_maxRecent);
    recent->addSpacing(16);
    recent->addWidget(m_clearList);
    recent->addStretch(1);
    auto* leadLabel = new QLabel(Strings::text(Str::PrefsDefaultUrlLead), this);
    leadLabel->setBuddy(m_urlLead);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(recent);
    layout->addSpacing(12);
    layout->addWidget(leadLabel);
    layout->addWidget(m_urlLead);
    layout->addStretch(1);
}

void CPrefsGuru::load(const Settings& in) {
    m_maxRecent->setValue(in.maxRecent);
    m_urlLead->setText(in.defaultUrlLead);
}

void CPrefsGuru::store(Settings& out) {
    if (m_maxRecent->value() != source().maxRecent)
        Prompter::current().tell(Strings::text(Str::MaxRecentNextRun), Prompter::Icon::Information);
    out.maxRecent = m_maxRecent->value();
    out.defaultUrlLead = m_urlLead->text();
}
