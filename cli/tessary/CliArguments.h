#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The arguments of one command: positional ones in order and "--name VALUE"
// options. Fails (usage error) on an option not offered, an option given
// twice or one without its value.
class CliArguments {
public:
    CliArguments(const QStringList& arguments, const QStringList& options);

    bool ok() const { return m_ok; }
    const QStringList& positional() const { return m_positional; }
    std::optional<QString> option(const QString& name) const;

private:
    QStringList m_positional;
    QStringList m_names, m_values;
    bool m_ok = true;
};
