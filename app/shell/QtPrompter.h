#pragma once

#include "model/Prompter.h"

class QWidget;

// The Prompter of the running editor: message boxes over the main frame,
// captioned with the program's name, with the icon asked for (exclamation
// as the warning icon, stop as the critical one).
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    Answer ask(const QString& text, Buttons buttons, Icon icon) override;
    void tell(const QString& text, Icon icon) override;
    void beep() override;

    void tellCaptioned(const QString& caption, const QString& text, Icon icon) override;

private:
    QWidget* m_parent;
};
