#include "wizards/PageChoiceValues.h"

#include "model/Prompter.h"
#include "model/Strings.h"

namespace {

QByteArray countText(qsizetype n) {
    return n == 0 ? Strings::text(Str::CountNone).toUtf8() : QByteArray::number(n);
}

QByteArray plural(qsizetype n) {
    return n == 1 ? QByteArray() : Strings::text(Str::PluralEnding).toUtf8();
}

} // namespace

void PageChoiceValues::choose(const QString& path) {
    m_path = path;
    m_summary = path.isEmpty() ? PageSummary{} : PageSummary::read(path);
}

QString PageChoiceValues::status() const {
    if (m_path.isEmpty())
        return {};
    const qsizetype maps = m_summary.maps.size(), images = m_summary.images.size();
    return Strings::format(Str::PageCountStatus, countText(maps).constData(),
                           plural(maps).constData(), countText(images).constData(),
                           plural(images).constData());
}

bool PageChoiceValues::next(QString& htmlPath) const {
    if (!canNext())
        return false;
    if (m_summary.isMalformed()) {
        Prompter::current().tell(Strings::text(Str::MalformedPage), Prompter::Icon::Stop);
        return false;
    }
    htmlPath = m_path;
    return true;
}
