#include "CliPrompter.h"

#include <cstdio>

Prompter::Answer CliPrompter::ask(const QString& text, Buttons buttons, Icon) {
    echo(text);
    return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

void CliPrompter::tell(const QString& text, Icon) {
    echo(text);
}

void CliPrompter::echo(const QString& text) const {
    if (!m_echo)
        return;
    QString line = text.trimmed();
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(stderr, "tessary-cli: %s\n", line.toUtf8().constData());
}
