#pragma once

#include "app/dialogs/PrefPage.h"

class QLineEdit;
class QPushButton;
class QSpinBox;

// The Guru page (dialog 233): the size of the recent-file list ("MaxRecent",
// 1 to 8, taking effect at the next start, which storing a new size says),
// "&Clear List" for the recent files, and the text offered as a default URL
// ("Default Url Lead").
//
// "&Clear List" is enabled while the list holds a name; it only asks for
// the list to be cleared, which the sheet's owner does on OK, so that
// Cancel keeps the list as it was.
class CPrefsGuru : public PrefPage {
    Q_OBJECT
public:
    static constexpr int kMinRecent = 1;
    static constexpr int kMaxRecent = 8;

    CPrefsGuru(const Settings& source, int recentCount, QWidget* parent = nullptr);

    // Stores the size and the text; a size other than the one loaded is
    // announced (message 7056) first.
    void store(Settings& out) override;
    bool clearRequested() const { return m_clear; }

protected:
    void load(const Settings& in) override;

private:
    QSpinBox* m_maxRecent;
    QPushButton* m_clearList;
    QLineEdit* m_urlLead;
    bool m_clear = false;
};
