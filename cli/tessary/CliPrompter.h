#pragma once

#include "model/Prompter.h"

#include <QStringList>

// The command-line tool's Prompter: questions are answered No (or Cancel).
// It keeps what the document tells the user, so that a failed command can
// report the first and most specific message as its one line on standard
// error; an echoing one writes every question and message to standard
// error as it comes instead. Installs itself for its lifetime.
class CliPrompter : public Prompter {
public:
    explicit CliPrompter(bool echo = false) : m_echo(echo) { install(this); }
    ~CliPrompter() override { install(nullptr); }

    Answer ask(const QString& text, Buttons buttons, Icon icon) override;
    void tell(const QString& text, Icon icon) override;

    // The first message shown, on one line; fallback when there was none.
    QString firstMessage(const QString& fallback) const;
    // The first message shown, line by line; fallback when there was none.
    QStringList firstMessageLines(const QString& fallback) const;

private:
    void keep(const QString& text);

    QStringList m_messages;
    bool m_echo;
};
