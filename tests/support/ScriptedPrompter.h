#pragma once

#include "model/Prompter.h"

#include <QList>
#include <QString>
#include <QStringList>

// A Prompter for tests: answers from a script given in advance, records
// every text it was shown, and installs itself for its lifetime.
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        QString text;
        Icon icon;
        bool question;
    };

    ScriptedPrompter() { install(this); }
    ~ScriptedPrompter() override { install(nullptr); }

    // Answers given to the next questions, in order; once used up, questions
    // are answered with the fallback.
    void script(QList<Answer> answers) { m_answers += answers; }
    void setFallback(Answer a) { m_fallback = a; }

    Answer ask(const QString& text, Buttons, Icon icon) override {
        m_shown.append({text, icon, true});
        return m_answers.isEmpty() ? m_fallback : m_answers.takeFirst();
    }
    void tell(const QString& text, Icon icon) override { m_shown.append({text, icon, false}); }
    void beep() override { ++m_beeps; }

    const QList<Shown>& shown() const { return m_shown; }
    QStringList texts() const {
        QStringList out;
        for (const Shown& s : m_shown)
            out << s.text;
        return out;
    }
    int beeps() const { return m_beeps; }
    int pendingAnswers() const { return int(m_answers.size()); }
    void clear() { m_shown.clear(); }

private:
    QList<Answer> m_answers;
    QList<Shown> m_shown;
    Answer m_fallback = Answer::Cancel;
    int m_beeps = 0;
};
