#include "app/dialogs/FileFilters.h"

#include "model/Strings.h"

#include <QRegularExpression>

QString FileFilters::filterOf(const QString& templateText) {
    const qsizetype open = templateText.lastIndexOf(QLatin1Char('('));
    if (open < 0 || !templateText.endsWith(QLatin1Char(')')))
        return templateText;
    const QString inside = templateText.mid(open + 1, templateText.size() - open - 2);
    QStringList patterns =
        inside.split(QRegularExpression(QStringLiteral("[,; ]+")), Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
        if (pattern == QLatin1String("*.*"))
            pattern = QStringLiteral("*");
    }
    return templateText.left(open) + QLatin1Char('(') + patterns.join(QLatin1Char(' ')) +
           QLatin1Char(')');
}

QStringList FileFilters::fromTemplates(std::initializer_list<int> templateIds) {
    QStringList filters;
    for (int id : templateIds)
        filters << filterOf(Strings::text(id));
    filters << filterOf(Strings::text(Str::AllFilesFilter));
    return filters;
}

QStringList FileFilters::images() {
    return fromTemplates({Str::ImageTemplateAll, Str::ImageTemplateGif, Str::ImageTemplateJpg,
                          Str::ImageTemplatePng});
}
