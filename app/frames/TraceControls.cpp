#include "app/frames/TraceControls.h"

#include "model/Settings.h"
#include "model/SettingsNotifier.h"
#include "model/Strings.h"
#include "model/TraceRequest.h"
#include "view/ToolZoomState.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLabel>
#include <QSpinBox>
#include <QToolBar>

TraceControls::TraceControls(QToolBar* bar, QAction* before, const ToolZoomState& toolZoom)
    : QObject(bar), m_tolerance(new QSpinBox(bar)), m_precision(new QDoubleSpinBox(bar)) {
    m_tolerance->setObjectName(QStringLiteral("traceTolerance"));
    m_tolerance->setRange(TraceRequest::kMinTolerance, TraceRequest::kMaxTolerance);
    m_precision->setObjectName(QStringLiteral("tracePrecision"));
    m_precision->setRange(TraceRequest::kMinPrecision, TraceRequest::kMaxPrecision);
    m_precision->setDecimals(1);
    m_precision->setSingleStep(0.5);
    const auto add = [this, bar, before](int labelId, int tipId, QAbstractSpinBox* box) {
        auto* label = new QLabel(Strings::text(labelId), bar);
        label->setContentsMargins(4, 0, 2, 0);
        label->setBuddy(box);
        const QString tip = Strings::text(tipId);
        label->setToolTip(tip);
        box->setToolTip(tip);
        box->setStatusTip(tip);
        // Values are taken when typing ends (Enter, the focus leaving) or
        // at each arrow step, not at every digit, each of which would trace.
        box->setKeyboardTracking(false);
        box->installEventFilter(this);
        m_actions << bar->insertWidget(before, label) << bar->insertWidget(before, box);
    };
    m_actions << bar->insertSeparator(before);
    add(Str::TraceToleranceLabel, Str::TraceToleranceTip, m_tolerance);
    add(Str::TracePrecisionLabel, Str::TracePrecisionTip, m_precision);
    showValues();
    connect(m_tolerance, &QSpinBox::valueChanged, this, &TraceControls::store);
    connect(m_precision, &QDoubleSpinBox::valueChanged, this, &TraceControls::store);
    connect(&Settings::notifier(), &SettingsNotifier::changed, this, &TraceControls::showValues);
    for (QWidget* box : {static_cast<QWidget*>(m_tolerance), static_cast<QWidget*>(m_precision)}) {
        m_focusPolicies.append({box, box->focusPolicy()});
        for (QWidget* part : box->findChildren<QWidget*>())
            m_focusPolicies.append({part, part->focusPolicy()});
    }
    const auto follow = [this, &toolZoom] {
        const bool shown = toolZoom.isTrace();
        for (QAction* action : m_actions)
            action->setVisible(shown);
        // A hidden box that could take the focus would be where the map
        // window puts it back on activation (a hidden widget keeps a
        // focus it cannot show), leaving the map view without it; shown,
        // the boxes take it by click only, so that activation and Tab
        // still reach the map first.
        for (const auto& [widget, policy] : m_focusPolicies)
            widget->setFocusPolicy(shown ? Qt::FocusPolicy(policy & ~Qt::TabFocus) : Qt::NoFocus);
    };
    connect(&toolZoom, &ToolZoomState::toolChanged, this, follow);
    follow();
}

bool TraceControls::isShown() const {
    return m_actions.front()->isVisible();
}

void TraceControls::showValues() {
    const Settings& settings = Settings::app();
    const QSignalBlocker quietTolerance(m_tolerance);
    const QSignalBlocker quietPrecision(m_precision);
    m_tolerance->setValue(settings.traceTolerance);
    m_precision->setValue(settings.tracePrecision);
}

void TraceControls::store() {
    Settings& settings = Settings::app();
    if (settings.traceTolerance == m_tolerance->value() &&
        settings.tracePrecision == m_precision->value())
        return;
    settings.traceTolerance = m_tolerance->value();
    settings.tracePrecision = m_precision->value();
    Settings::announceChange();
}

bool TraceControls::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            static_cast<QAbstractSpinBox*>(watched)->interpretText();
            emit entered();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
