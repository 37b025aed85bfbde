#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The arguments of one command: positional ones in order, "--name VALUE"
// options and "--name" flags. Fails (usage error) on an option or flag not
// offered, one given twice (unless repeatable), or an option without its
// value.
class CliArguments {
public:
    CliArguments(const QStringList& arguments, const QStringList& options,
                 const QStringList& flags = {}, const QStringList& repeatable = {});

    bool ok() const { return m_ok; }
    const QStringList& positional() const { return m_positional; }
    std::optional<QString> option(const QString& name) const;
    // Every value of a repeatable option, in order.
    QStringList options(const QString& name) const;
    bool flag(const QString& name) const { return m_flags.contains(name); }

private:
    QStringList m_positional;
    QStringList m_names, m_values;
    QStringList m_flags;
    bool m_ok = true;
};
