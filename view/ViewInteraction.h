#pragma once

#include <QPoint>
#include <Qt>

// One mouse interaction of the map view, from the press that starts it to
// the release that commits it or the cancel that puts everything back. The
// view makes one at a press (each kind has its own way to begin), hands it
// every move and the release, and cancels it on Esc, a right press, the
// loss of the focus or when the view hides. It draws its feedback through
// the view's feedback painter and clears it when it ends.
class ViewInteraction {
public:
    virtual ~ViewInteraction() = default;
    // The mouse moved to window point at with the button still down.
    virtual void move(QPoint at, Qt::KeyboardModifiers modifiers) = 0;
    // The button was released at window point at: the interaction commits.
    virtual void release(QPoint at) = 0;
    // The interaction ends without a change.
    virtual void cancel() = 0;
};
