#pragma once

#include "app/dialogs/PrefPage.h"

class PrefsDesktop;
class QCheckBox;
class QSpinBox;

// The General page (dialog 232): seven check boxes for "Area Prompt",
// "Require Default", "ShowAreaTips", "Show Handles", "GrabSize",
// "MaximizeOnOpen" and "ZoomToFit". Double-sized handles can be chosen only
// while handles show, zoom to fit only while map windows open maximized;
// a disabled box keeps its value. Below them "Save recovery copies" with
// the longest time between two copies, 10 to 600 seconds, and last the
// editor's Language (used from the next start) and Appearance (at once).
class CPrefsGeneral : public PrefPage {
    Q_OBJECT
public:
    explicit CPrefsGeneral(const Settings& source, QWidget* parent = nullptr);

    void store(Settings& out) override;

protected:
    void load(const Settings& in) override;

private:
    QCheckBox* addBox(int textId, const char* name);
    void updateEnabled();

    QCheckBox* m_areaPrompt;
    QCheckBox* m_requireDefault;
    QCheckBox* m_showAreaTips;
    QCheckBox* m_showHandles;
    QCheckBox* m_grabSize;
    QCheckBox* m_maximizeOnOpen;
    QCheckBox* m_zoomToFit;
    QCheckBox* m_saveRecoveryCopies;
    QSpinBox* m_recoveryInterval;
    PrefsDesktop* m_desktop;
};
