#pragma once

#include "model/Prompter.h"

// The command-line tool's Prompter: questions are answered No (or Cancel).
// A quiet one keeps what the document tells to itself (a failed command
// prints the operation's result instead); an echoing one writes every
// question and message to standard error as it comes, as one line.
// Installs itself for its lifetime.
class CliPrompter : public Prompter {
public:
    explicit CliPrompter(bool echo = false) : m_echo(echo) { install(this); }
    ~CliPrompter() override { install(nullptr); }

    Answer ask(const QString& text, Buttons buttons, Icon icon) override;
    void tell(const QString& text, Icon icon) override;

private:
    void echo(const QString& text) const;

    bool m_echo;
};
