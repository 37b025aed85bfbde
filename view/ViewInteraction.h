#pragma once

#include <QPoint>
#include <Qt>

// One mouse interaction of the map view, from the press that starts it to
// the release that commits it or the cancel that puts everything back. The
// view makes one at a press (each kind has its own way to begin), hands it
// every move and the release, and cancels it on Esc, a right press, the
// loss of the focus or when the view hides. It paints its own feedback
// through the view's feedback painter, repaints only the old and new places
// of that feedback, and clears it when it ends. A change it makes ends in
// one document operation.
//
// Most interactions end with the release; one that goes on over several
// clicks (a polygon being drawn) answers done() false until it ends, and
// meanwhile takes the further presses and the double-click.
class ViewInteraction {
public:
    virtual ~ViewInteraction() = default;
    // The mouse moved to window point at (with the button down, or between
    // the clicks of an interaction that goes on).
    virtual void move(QPoint at, Qt::KeyboardModifiers modifiers) = 0;
    // The button was released at window point at: the interaction commits.
    virtual void release(QPoint at) = 0;
    // The interaction ends without a change.
    virtual void cancel() = 0;
    // A further left press while the interaction goes on.
    virtual void press(QPoint /*at*/, Qt::KeyboardModifiers /*modifiers*/) {}
    // A double-click while the interaction goes on.
    virtual void doubleClick(QPoint /*at*/) {}
    // Whether the interaction is over; asked after each release, press,
    // double-click and key it took.
    virtual bool done() const { return true; }
    // Whether a key pressed while the interaction goes on is its own (a
    // traced outline takes Enter); such a key is no menu shortcut then, and
    // reaches keyPressed.
    virtual bool takesKey(int /*key*/) const { return false; }
    virtual void keyPressed(int /*key*/) {}
    // An interaction that holds no button and waits for the user's answer
    // (a traced outline to accept) outlives the loss of the focus (to the
    // map toolbar's settings) and a change of zoom.
    virtual bool outlivesFocusAndZoom() const { return false; }
};
