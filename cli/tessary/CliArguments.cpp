#include "CliArguments.h"

CliArguments::CliArguments(const QStringList& arguments, const QStringList& options,
                           const QStringList& flags, const QStringList& repeatable) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (!a.startsWith(QLatin1String("--"))) {
            m_positional << a;
            continue;
        }
        if ((m_names.contains(a) && !repeatable.contains(a)) || m_flags.contains(a)) {
            m_ok = false;
            return;
        }
        if (flags.contains(a)) {
            m_flags << a;
            continue;
        }
        if (!options.contains(a) || i + 1 >= arguments.size()) {
            m_ok = false;
            return;
        }
        m_names << a;
        m_values << arguments[++i];
    }
}

std::optional<QString> CliArguments::option(const QString& name) const {
    const qsizetype at = m_names.indexOf(name);
    if (at < 0)
        return std::nullopt;
    return m_values[at];
}

QStringList CliArguments::options(const QString& name) const {
    QStringList values;
    for (qsizetype i = 0; i < m_names.size(); ++i)
        if (m_names[i] == name)
            values << m_values[i];
    return values;
}
