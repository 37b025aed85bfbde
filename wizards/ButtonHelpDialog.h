#pragma once

#include <QDialog>

class QCheckBox;

// "Read All About It!": how style libraries are made, shown before another
// library is chosen, with "Never show this helpful information again".
class ButtonHelpDialog : public QDialog {
    Q_OBJECT
public:
    explicit ButtonHelpDialog(QWidget* parent = nullptr);

    // Shows the dialog; on OK the check box becomes the "NeverShowButtonRTF"
    // setting. False on Cancel, which ends the command that asked.
    static bool show(QWidget* parent);

    // The help text's file in the program's data folder.
    static QString helpPath();

private:
    QCheckBox* m_never;
};
