#include "CliPrompter.h"

#include <cstdio>

namespace {

QString oneLine(QString text) {
    text = text.trimmed();
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

Prompter::Answer CliPrompter::ask(const QString& text, Buttons buttons, Icon) {
    keep(text);
    return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

void CliPrompter::tell(const QString& text, Icon) {
    keep(text);
}

void CliPrompter::keep(const QString& text) {
    m_messages << text;
    if (m_echo)
        std::fprintf(stderr, "tessary-cli: %s\n", oneLine(text).toUtf8().constData());
}

QString CliPrompter::firstMessage(const QString& fallback) const {
    return oneLine(m_messages.isEmpty() ? fallback : m_messages.first());
}

QStringList CliPrompter::firstMessageLines(const QString& fallback) const {
    QStringList lines;
    for (const QString& line :
         (m_messages.isEmpty() ? fallback : m_messages.first()).split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    }
    return lines;
}
