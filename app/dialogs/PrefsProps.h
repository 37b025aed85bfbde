#pragma once

#include "model/Settings.h"

#include <QDialog>

class CPrefsColors;
class CPrefsGeneral;
class CPrefsGuru;
class QTabWidget;

// "Preference Settings": the General, Colors and Guru pages on tabs, with
// OK and Cancel (no Apply). It works on a copy of the settings it is
// opened with: OK stores the values of every page that was shown into
// result(); Cancel changes nothing. Clearing the recent files is only
// asked for (clearRecentFiles()), for the owner to do on OK.
class CPrefsProps : public QDialog {
    Q_OBJECT
public:
    CPrefsProps(const Settings& current, int recentCount, QWidget* parent = nullptr);
    ~CPrefsProps() override;

    // The settings as opened, with the shown pages' values once accepted.
    const Settings& result() const { return m_result; }
    bool clearRecentFiles() const;

    QTabWidget* tabs() const { return m_tabs; }
    CPrefsGeneral* generalPage() const { return m_general; }
    CPrefsColors* colorsPage() const { return m_colors; }
    CPrefsGuru* guruPage() const { return m_guru; }

    void accept() override;

private:
    const Settings m_source;
    Settings m_result;
    QTabWidget* m_tabs;
    CPrefsGeneral* m_general;
    CPrefsColors* m_colors;
    CPrefsGuru* m_guru;
};
