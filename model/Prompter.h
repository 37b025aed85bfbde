#pragma once

#include <QString>

// Every message box and question of the system goes through the installed
// Prompter: the program installs one over QMessageBox, tests a scripted one,
// the command-line tool one that answers No and writes to standard error.
class Prompter {
public:
    enum class Icon { None, Information, Question, Exclamation, Stop };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Prompter() = default;

    // Shows text with the given buttons and icon and returns the answer.
    // A question that is dismissed counts as Cancel (or No without Cancel).
    virtual Answer ask(const QString& text, Buttons buttons, Icon icon) = 0;
    // Shows text with an OK button.
    virtual void tell(const QString& text, Icon icon) = 0;
    // Sounds the warning beep.
    virtual void beep() {}
    // Shows text with an OK button under a caption of its own instead of the
    // program's name (start-up failures).
    virtual void tellCaptioned(const QString& caption, const QString& text, Icon icon) {
        (void)caption;
        tell(text, icon);
    }

    // The installed prompter; a silent one that answers Cancel or No until
    // something is installed. Does not take ownership.
    static Prompter& current();
    static void install(Prompter* prompter);

    // Yes/No questions treat any answer but Yes as No.
    static bool askYes(const QString& text, Icon icon = Icon::Question) {
        return current().ask(text, Buttons::YesNo, icon) == Answer::Yes;
    }
};
