#pragma once

#include "model/MapCheckStatus.h"

#include <QLabel>

// The status bar's state pane: a picture for the state the map check (or
// the view's Shift indicator) reports, and a tool tip naming the area:
// "Area %d is obscured" in state 3, "Area %d missing URL" in state 4, none
// otherwise. The picture changes, and the pane repaints, only when the
// state does.
class StatePane : public QLabel, public MapCheckStatus {
public:
    explicit StatePane(QWidget* parent = nullptr);

    void showState(int state, int areaNumber) override;

    int state() const { return m_state; }
    // Times the picture changed (the pane repainted for a new state).
    int pictureChanges() const { return m_pictureChanges; }

    // The 16 x 15 pictures of the status bar strip.
    enum Picture : int {
        ObscuredPicture,
        MissingUrlPicture,
        ReversedSearchPicture,
        DimensionsPicture
    };
    static QPixmap picture(Picture which);

private:
    int m_state = Clean;
    int m_pictureChanges = 0;
};
