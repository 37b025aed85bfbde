#pragma once

#include "app/dialogs/AppDialogs.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;

// "Welcome to Tessary" (dialog 400): open an existing map, the New Image
// Map wizard or the Image Creator, preset to the choice last made, and
// "Never show this dialog again." (unticked).
class WelcomeDialog : public QDialog {
    Q_OBJECT
public:
    WelcomeDialog(AppDialogs::WelcomeChoice preset, QWidget* parent = nullptr);

    AppDialogs::WelcomeChoice choice() const;
    bool neverShow() const;

private:
    QRadioButton* m_choices[3];
    QCheckBox* m_neverShow;
};
