#pragma once

#include <QDialog>

class QCheckBox;

// The confirmation after a save: where the page went and what became of
// the picture, with "&Don't show this dialog again." (which sets "Skip Saved
// Dialog") and OK.
class SavedDialog : public QDialog {
    Q_OBJECT
public:
    explicit SavedDialog(const QString& text, QWidget* parent = nullptr);

    bool dontShowAgain() const;

    // Shows the dialog; true when the box was ticked.
    static bool ask(const QString& text, QWidget* parent = nullptr);

private:
    QCheckBox* m_dontShow;
};
