#pragma once

// Where the map check of the document in the active window reports the
// result of each complete run: the status bar's state pane.
class MapCheckStatus {
public:
    // State numbers of the pane.
    enum State : int {
        Clean = 0,
        Obscured = 3,      // areaNumber is the first obscured area
        MissingUrl = 4,    // areaNumber is the first area without a URL
        ReversedSearch = 5 // Shift reverses the area search order (set by the view)
    };

    virtual ~MapCheckStatus() = default;
    // Sets the pane's state; areaNumber (index + 1, or -1 for none) is kept
    // for the pane's tool tip.
    virtual void showState(int state, int areaNumber) = 0;
};
