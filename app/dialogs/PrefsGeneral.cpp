#include "app/dialogs/PrefsGeneral.h"

#include "app/dialogs/PrefsDesktop.h"
#include "model/Settings.h"
#include "model/Strings.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

CPrefsGeneral::CPrefsGeneral(const Settings& source, QWidget* parent) : PrefPage(source, parent) {
    auto* layout = new QVBoxLayout(this);
    m_areaPrompt = addBox(Str::PrefsAreaPrompt, "areaPrompt");
    m_requireDefault = addBox(Str::PrefsRequireDefault, "requireDefault");
    m_showAreaTips = addBox(Str::PrefsShowAreaTips, "showAreaTips");
    m_showHandles = addBox(Str::PrefsShowHandles, "showHandles");
    m_grabSize = addBox(Str::PrefsGrabSize, "grabSize");
    m_maximizeOnOpen = addBox(Str::PrefsMaximizeOnOpen, "maximizeOnOpen");
    m_zoomToFit = addBox(Str::PrefsZoomToFit, "zoomToFit");
    for (QCheckBox* box : {m_areaPrompt, m_requireDefault, m_showAreaTips, m_showHandles,
                           m_grabSize, m_maximizeOnOpen, m_zoomToFit})
        layout->addWidget(box);
    // The dependent boxes sit under the box they depend on.
    const int indent = style()->pixelMetric(QStyle::PM_IndicatorWidth) * 2;
    m_grabSize->setContentsMargins(indent, 0, 0, 0);
    m_zoomToFit->setContentsMargins(indent, 0, 0, 0);
    // Recovery copies, and how long changes may go on without one.
    m_saveRecoveryCopies = addBox(Str::PrefsSaveRecoveryCopies, "saveRecoveryCopies");
    m_recoveryInterval = new QSpinBox(this);
    m_recoveryInterval->setObjectName(QStringLiteral("recoveryInterval"));
    m_recoveryInterval->setRange(Settings::kMinRecoveryInterval, Settings::kMaxRecoveryInterval);
    m_recoveryInterval->setSuffix(Strings::text(Str::PrefsRecoverySeconds));
    auto* interval = new QHBoxLayout;
    interval->setContentsMargins(indent, 0, 0, 0);
    auto* intervalLabel = new QLabel(Strings::text(Str::PrefsRecoveryInterval), this);
    intervalLabel->setBuddy(m_recoveryInterval);
    interval->addWidget(intervalLabel);
    interval->addWidget(m_recoveryInterval);
    interval->addStretch(1);
    layout->addWidget(m_saveRecoveryCopies);
    layout->addLayout(interval);
    connect(m_saveRecoveryCopies, &QCheckBox::toggled, m_recoveryInterval, &QWidget::setEnabled);
    // The editor's language and look, under the editing choices.
    m_desktop = new PrefsDesktop(this);
    m_desktop->setObjectName(QStringLiteral("desktop"));
    layout->addSpacing(style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing));
    layout->addWidget(m_desktop);
    layout->addStretch(1);
    connect(m_showHandles, &QCheckBox::toggled, this, &CPrefsGeneral::updateEnabled);
    connect(m_maximizeOnOpen, &QCheckBox::toggled, this, &CPrefsGeneral::updateEnabled);
}

QCheckBox* CPrefsGeneral::addBox(int textId, const char* name) {
    auto* box = new QCheckBox(Strings::text(textId), this);
    box->setObjectName(QLatin1String(name));
    return box;
}

void CPrefsGeneral::load(const Settings& in) {
    m_areaPrompt->setChecked(in.areaPrompt);
    m_requireDefault->setChecked(in.requireDefault);
    m_showAreaTips->setChecked(in.showAreaTips);
    m_showHandles->setChecked(in.showHandles);
    m_grabSize->setChecked(in.grabSize);
    m_maximizeOnOpen->setChecked(in.maximizeOnOpen);
    m_zoomToFit->setChecked(in.zoomToFit);
    m_saveRecoveryCopies->setChecked(in.saveRecoveryCopies);
    m_recoveryInterval->setValue(in.recoveryInterval);
    m_recoveryInterval->setEnabled(in.saveRecoveryCopies);
    m_desktop->load();
    updateEnabled();
}

void CPrefsGeneral::store(Settings& out) {
    out.areaPrompt = m_areaPrompt->isChecked();
    out.requireDefault = m_requireDefault->isChecked();
    out.showAreaTips = m_showAreaTips->isChecked();
    out.showHandles = m_showHandles->isChecked();
    out.grabSize = m_grabSize->isChecked();
    out.maximizeOnOpen = m_maximizeOnOpen->isChecked();
    out.zoomToFit = m_zoomToFit->isChecked();
    out.saveRecoveryCopies = m_saveRecoveryCopies->isChecked();
    out.recoveryInterval = m_recoveryInterval->value();
    // Language and Appearance are not part of Settings: they are read
    // before the first window, straight from the store.
    m_desktop->store();
}

void CPrefsGeneral::updateEnabled() {
    m_grabSize->setEnabled(m_showHandles->isChecked());
    m_zoomToFit->setEnabled(m_maximizeOnOpen->isChecked());
}
