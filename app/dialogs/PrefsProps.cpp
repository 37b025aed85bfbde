#include "app/dialogs/PrefsProps.h"

#include "app/dialogs/PrefsColors.h"
#include "app/dialogs/PrefsGeneral.h"
#include "app/dialogs/PrefsGuru.h"
#include "model/Strings.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

CPrefsProps::CPrefsProps(const Settings& current, int recentCount, QWidget* parent)
    : QDialog(parent), m_source(current), m_result(current), m_tabs(new QTabWidget(this)),
      m_general(new CPrefsGeneral(m_source, m_tabs)), m_colors(new CPrefsColors(m_source, m_tabs)),
      m_guru(new CPrefsGuru(m_source, recentCount, m_tabs)) {
    setObjectName(QStringLiteral("preferences"));
    setWindowTitle(Strings::text(Str::PrefsTitle));
    m_tabs->addTab(m_general, Strings::text(Str::PrefsGeneral));
    m_tabs->addTab(m_colors, Strings::text(Str::PrefsColors));
    m_tabs->addTab(m_guru, Strings::text(Str::PrefsGuru));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

CPrefsProps::~CPrefsProps() = default;

bool CPrefsProps::clearRecentFiles() const {
    return m_guru->clearRequested();
}

void CPrefsProps::accept() {
    m_result = m_source;
    for (PrefPage* page : {static_cast<PrefPage*>(m_general), static_cast<PrefPage*>(m_colors),
                           static_cast<PrefPage*>(m_guru)}) {
        if (page->wasShown())
            page->store(m_result);
    }
    QDialog::accept();
}
