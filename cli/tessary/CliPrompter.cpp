#include "CliPrompter.h"

Prompter::Answer CliPrompter::ask(const QString& text, Buttons buttons, Icon) {
    m_messages << text;
    return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

void CliPrompter::tell(const QString& text, Icon) {
    m_messages << text;
}

QString CliPrompter::firstMessage(const QString& fallback) const {
    QString line = m_messages.isEmpty() ? fallback : m_messages.first();
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}
