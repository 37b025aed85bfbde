#pragma once

#include "model/DocumentDialogs.h"

#include <QDialog>

// "Areas Existing": asked before guides are laid over a map that already
// has areas: Add (keep them, the guides follow), Replace (the guides take
// their place) or Cancel.
class AreasExistingDialog : public QDialog {
    Q_OBJECT
public:
    explicit AreasExistingDialog(QWidget* parent = nullptr);

    // The dialog's results besides Rejected (Cancel).
    static constexpr int kAdd = 10;
    static constexpr int kReplace = 11;

    static DocumentDialogs::ExistingAreas ask(QWidget* parent = nullptr);
};
