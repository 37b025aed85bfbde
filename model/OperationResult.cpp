#include "model/OperationResult.h"

QString OperationResult::text() const {
    return m_detail.isEmpty() ? m_message : m_message + QLatin1Char('\n') + m_detail;
}

QStringList OperationResult::lines() const {
    QStringList out;
    for (const QString& line : text().split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            out << line.trimmed();
    }
    return out;
}

Prompter::Icon OperationResult::icon() const {
    switch (m_code) {
    case Code::NotAPageName:
    case Code::LossySave:
    case Code::MalformedPage:
        return Prompter::Icon::Stop;
    default:
        return Prompter::Icon::Exclamation;
    }
}

void OperationResult::tell() const {
    if (needsTelling())
        Prompter::current().tell(text(), icon());
}
