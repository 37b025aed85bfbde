#pragma once

#include <QObject>

// Whether the clipboard offers areas (Paste), kept until the clipboard
// changes: asking another program that owns the clipboard takes a round
// trip to the display, and Paste's state is asked on every change of the
// commands' states. changed() follows the clipboard's own notice once the
// answer is renewed, so whoever listens to it asks afresh.
class ClipboardAreas : public QObject {
    Q_OBJECT
public:
    // The one watcher of the application's clipboard.
    static ClipboardAreas& instance();

    bool offered();

signals:
    void changed();

private:
    ClipboardAreas();

    bool m_known = false;
    bool m_offered = false;
};
