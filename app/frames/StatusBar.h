#pragma once

#include "view/StatusPanes.h"

#include <QStatusBar>

#include <functional>

class QLabel;
class StatePane;

// The main frame's status bar, left to right: the message pane (prompts,
// tips and menu help), the state pane, the cursor position "%4d,%4d", an
// icon pane, the dimensions "%4d x%4d" and the zoom "%d:1". The bar counts
// the open map views; while none exists the value panes stay blank and
// writes to them are ignored.
class StatusBar : public QStatusBar, public StatusPanes {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent = nullptr);

    void showPosition(int x, int y) override;
    void showDimensions(int width, int height) override;
    void showZoom(ZoomLevel zoom) override;
    void showPrompt(const QString& text) override;
    void showState(int state, int areaNumber) override;

    // A map view came or went.
    void viewOpened();
    void viewClosed();
    int openViews() const { return m_views; }
    // Another map view became active: its state starts at 0.
    void viewActivated();

    StatePane* statePane() const { return m_state; }
    QString positionText() const;
    QString dimensionsText() const;
    QString zoomText() const;
    QString promptText() const;

signals:
    // A left or right click on the zoom pane, at a global position.
    void zoomMenuRequested(const QPoint& globalPos);

private:
    // Sizes pane for the text sizingId, gives it the tool tip tipId and
    // adds it to the right of the bar.
    QLabel* addValuePane(QLabel* pane, int sizingId, int tipId);
    void blankValues();

    QLabel* m_message;
    StatePane* m_state;
    QLabel* m_position;
    QLabel* m_icon;
    QLabel* m_dimensions;
    QLabel* m_zoom;
    int m_views = 0;
};
