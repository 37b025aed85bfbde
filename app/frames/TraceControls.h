#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <Qt>

class QAction;
class QDoubleSpinBox;
class QSpinBox;
class QToolBar;
class QWidget;
class ToolZoomState;

// The Trace tool's two settings on the map toolbar, shown only while that
// tool is current: the colour tolerance (0 to 255) and the outline
// precision (0.5 to 10 picture pixels). A change is stored in the settings
// and announced, so that the outline being proposed is traced again and
// the boxes of every other map window show the new value. Enter in either
// box hands the keyboard back to the map (entered()), where Enter accepts
// the outline.
class TraceControls : public QObject {
    Q_OBJECT

public:
    // The controls go before the action before (appended without one).
    TraceControls(QToolBar* bar, QAction* before, const ToolZoomState& toolZoom);

    // Whether the controls stand on the bar (the Trace tool is current).
    bool isShown() const;
    QSpinBox* tolerance() const { return m_tolerance; }
    QDoubleSpinBox* precision() const { return m_precision; }

signals:
    void entered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showValues();
    void store();

    QSpinBox* m_tolerance;
    QDoubleSpinBox* m_precision;
    QList<QAction*> m_actions; // shown with the tool
    // The boxes and their parts with the focus they take while shown.
    QList<QPair<QWidget*, Qt::FocusPolicy>> m_focusPolicies;
};
