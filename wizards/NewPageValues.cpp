#include "wizards/NewPageValues.h"

#include "model/Prompter.h"
#include "model/Strings.h"
#include "wizards/PageSummary.h"

#include <QDir>
#include <QFileInfo>

bool NewPageValues::canNext() const {
    return !m_name.isEmpty() && !m_name.contains(QLatin1Char('/')) &&
           m_name != QLatin1String(".") && m_name != QLatin1String("..") && !m_folder.isEmpty();
}

QString NewPageValues::path() const {
    QString name = m_name;
    if (!name.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive) &&
        !name.endsWith(QLatin1String(".html"), Qt::CaseInsensitive))
        name += Strings::untranslated(Str::PageExtension);
    return QDir::cleanPath(QDir(m_folder).absoluteFilePath(name));
}

bool NewPageValues::next(QString& htmlPath) const {
    if (!canNext())
        return false;
    const QString target = path();
    const QFileInfo info(target);
    if (info.exists()) {
        if (!info.isFile()) {
            Prompter::current().tell(
                Strings::format(Str::NotWritableFile,
                                QDir::toNativeSeparators(target).toUtf8().constData()),
                Prompter::Icon::Exclamation);
            return false;
        }
        if (PageSummary::read(target).isMalformed()) {
            Prompter::current().tell(Strings::text(Str::MalformedPage), Prompter::Icon::Stop);
            return false;
        }
        const QByteArray shown = QDir::toNativeSeparators(target).toUtf8();
        if (!Prompter::askYes(Strings::format(Str::PageExists, shown.constData()),
                              Prompter::Icon::Exclamation))
            return false;
    }
    htmlPath = target;
    return true;
}
