#pragma once

#include <QObject>

// Tells everything that draws or behaves by the application's settings
// that they changed (preferences, grid), so that each follows on its own:
// map views rebuild their pens and repaint. Settings::announceChange()
// emits it; nothing keeps lists of who listens.
class SettingsNotifier : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void changed();
};
