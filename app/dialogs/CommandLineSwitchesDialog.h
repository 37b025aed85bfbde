#pragma once

#include <QDialog>

// "Command Line Switches" (dialog 230): the syntax of the command line and
// what each of its three parts does.
class CommandLineSwitchesDialog : public QDialog {
public:
    explicit CommandLineSwitchesDialog(QWidget* parent = nullptr);
};
