#pragma once

#include "model/Prompter.h"

#include <QStringList>

// The command-line tool's Prompter: questions are answered No (or Cancel),
// and what the document tells the user is kept, so that a failed command
// can report the first and most specific message as its one line on
// standard error. Installs itself for its lifetime.
class CliPrompter : public Prompter {
public:
    CliPrompter() { install(this); }
    ~CliPrompter() override { install(nullptr); }

    Answer ask(const QString& text, Buttons buttons, Icon icon) override;
    void tell(const QString& text, Icon icon) override;

    // The first message shown, on one line; fallback when there was none.
    QString firstMessage(const QString& fallback) const;

private:
    QStringList m_messages;
};
