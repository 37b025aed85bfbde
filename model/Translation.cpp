#include "model/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

const QString kFolder = QStringLiteral(":/translations");

struct Installed {
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
    QString code = QStringLiteral("en");
};

Installed& installed() {
    static Installed state;
    return state;
}

std::unique_ptr<QTranslator> load(const QString& file) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

} // namespace

QStringList Translation::shipped() {
    return {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
}

QString Translation::nativeName(const QString& code) {
    if (code == QLatin1String("en"))
        return QStringLiteral("English");
    // QLocale's own name begins lower case for some languages ("français").
    const QString name = QLocale(code).nativeLanguageName();
    return name.isEmpty() ? code : name.left(1).toUpper() + name.mid(1);
}

// The desktop may list several languages (LANGUAGE=fr_CA:en:de); English
// in the list wins over a later one.
QString Translation::choose(const QStringList& uiLanguages) {
    for (const QString& language : uiLanguages) {
        const QString code =
            language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (shipped().contains(code))
            return code;
    }
    return QStringLiteral("en");
}

QString Translation::install(const QString& code) {
    remove();
    const QLocale locale = code.isEmpty() ? QLocale::system() : QLocale(code);
    if (!code.isEmpty())
        QLocale::setDefault(locale);
    const QString chosen = choose(locale.uiLanguages());
    if (chosen == QLatin1String("en"))
        return chosen;
    Installed& state = installed();
    state.own = load(kFolder + QStringLiteral("/tessary_") + chosen + QStringLiteral(".qm"));
    if (!state.own)
        return QStringLiteral("en");
    state.qt = load(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                    QStringLiteral("/qtbase_") + chosen + QStringLiteral(".qm"));
    state.code = chosen;
    return chosen;
}

void Translation::remove() {
    Installed& state = installed();
    for (auto* translator : {&state.own, &state.qt}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
    state.code = QStringLiteral("en");
    QLocale::setDefault(QLocale::system());
}

bool Translation::singular(qint64 count) {
    if (installed().code == QLatin1String("fr"))
        return count == 0 || count == 1;
    return count == 1;
}
