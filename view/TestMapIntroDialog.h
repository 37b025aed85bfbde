#pragma once

#include <QDialog>

class QCheckBox;

// "Test The Map" (dialog 227): what testing shows and that the map must go
// onto a web server to work for visitors, with "&Don't show this dialog
// next time." (the "NeverShowWarn" setting), OK and Cancel.
class TestMapIntroDialog : public QDialog {
    Q_OBJECT
public:
    explicit TestMapIntroDialog(QWidget* parent = nullptr);

    bool dontShowAgain() const;

    // Unless "NeverShowWarn" is set, shows the dialog: true on OK, which
    // also sets "NeverShowWarn" when the box was ticked. True at once
    // when the setting is set.
    static bool confirm(QWidget* parent);

private:
    QCheckBox* m_dontShow;
};
