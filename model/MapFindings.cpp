#include "model/MapFindings.h"

#include "model/DefaultUrl.h"
#include "model/MapText.h"
#include "model/SourceTag.h"
#include "model/Strings.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {

using Code = MapFindings::Code;
using Finding = MapFindings::Finding;

QString message(int id, const QString& text) {
    return Strings::format(id, text.toUtf8().constData());
}

// A text of the page as the visitor's browser shows it, without the blanks
// around it.
QString shown(const QByteArray& bytes) {
    return MapText::toDisplay(bytes).trimmed();
}

bool isHtmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

bool hasScheme(const QString& url) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.\\-]*:"));
    return scheme.match(url).hasMatch();
}

// Browsers drop controls and blanks around a URL and tabs and line breaks
// inside it before they look at its scheme.
bool isJavascript(const QByteArray& url) {
    QByteArray cleaned;
    for (char c : url) {
        if (c != '\t' && c != '\n' && c != '\r')
            cleaned += c;
    }
    qsizetype from = 0;
    while (from < cleaned.size() && quint8(cleaned[from]) <= 0x20)
        ++from;
    return cleaned.mid(from, 11).toLower() == "javascript:";
}

QString withoutQueryAndFragment(const QString& url) {
    const qsizetype cut = url.indexOf(QRegularExpression(QStringLiteral("[?#]")));
    return cut < 0 ? url : url.left(cut);
}

bool altIsUrl(const QString& alt, const QString& url) {
    if (alt.compare(url, Qt::CaseInsensitive) == 0)
        return true;
    const QUrl parsed(url, QUrl::TolerantMode);
    for (const QString& name :
         {parsed.fileName(QUrl::PrettyDecoded), parsed.fileName(QUrl::FullyDecoded)}) {
        if (!name.isEmpty() && alt.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The file a relative URL names beside the page, percent-decoded; empty when
// the URL is no file of the page's folder to look for.
QString relativeFile(const QString& url) {
    if (url.isEmpty() || url.startsWith(QLatin1Char('#')) || url.startsWith(QLatin1Char('?')) ||
        url.startsWith(QLatin1Char('/')) || url.startsWith(QLatin1Char('\\')) || hasScheme(url))
        return {};
    return QUrl::fromPercentEncoding(withoutQueryAndFragment(url).toUtf8());
}

QString cssPixels(double value) {
    return QString::number(std::round(value * 10) / 10, 'g', 10);
}

// CSS pixels per picture pixel, across and down.
std::pair<double, double> displayScale(const MapFindings::Input& in) {
    const QSize picture = in.pictureSize;
    if (picture.width() <= 0 || picture.height() <= 0)
        return {1.0, 1.0};
    const double sx = in.shownWidth > 0 ? double(in.shownWidth) / picture.width() : 0;
    const double sy = in.shownHeight > 0 ? double(in.shownHeight) / picture.height() : 0;
    if (sx > 0 && sy > 0)
        return {sx, sy};
    if (sx > 0 || sy > 0)
        return {sx + sy, sx + sy}; // one given: the picture keeps its proportions
    return {1.0, 1.0};
}

struct AltSeen {
    QString key;
    QByteArray url;
    int area = 0;
};

class Finder {
public:
    explicit Finder(const MapFindings::Input& in) : m_in(in), m_scale(displayScale(in)) {}

    std::vector<Finding> run() {
        if (std::any_of(m_in.mapName.begin(), m_in.mapName.end(), isHtmlSpace))
            add(0, Code::MapNameSpace,
                message(Str::FindingMapNameSpace, MapText::toDisplay(m_in.mapName)));
        for (std::size_t i = 0; i < m_in.areas.size(); ++i)
            examine(int(i) + 1, m_in.areas[i]);
        return std::move(m_found);
    }

private:
    void add(int area, Code code, const QString& text) { m_found.push_back({area, code, text}); }

    void examine(int number, const PictureArea& area) {
        const QString alt = shown(area.texts.comment);
        const QString url = shown(area.texts.url);
        const bool hasUrl = DefaultUrl::isSet(area.texts.url.trimmed());
        if (alt.isEmpty())
            add(number, Code::MissingAlt, Strings::text(Str::FindingMissingAlt));
        else if (hasUrl && altIsUrl(alt, url))
            add(number, Code::AltIsUrl, message(Str::FindingAltIsUrl, alt));
        if (!alt.isEmpty() && hasUrl)
            checkDuplicate(number, alt, area.texts.url.trimmed());
        const PixelRect box = area.bounds();
        const double w = box.width() * m_scale.first;
        const double h = box.height() * m_scale.second;
        if (area.source && !area.source.get()->clickable) {
            add(number, Code::NotClickable, Strings::text(Str::FindingNotClickable));
        } else if (w < MapFindings::kMinTarget || h < MapFindings::kMinTarget) {
            const QByteArray across = cssPixels(w).toUtf8(), down = cssPixels(h).toUtf8();
            add(number, Code::SmallTarget,
                Strings::format(Str::FindingSmallTarget, across.constData(), down.constData()));
        }
        if (isJavascript(area.texts.url))
            add(number, Code::JavascriptUrl, Strings::text(Str::FindingJavascriptUrl));
        else if (hasUrl)
            checkLink(number, url);
    }

    void checkDuplicate(int number, const QString& alt, const QByteArray& url) {
        const QString key = alt.toCaseFolded();
        for (const AltSeen& seen : m_alts) {
            if (seen.key == key && seen.url != url) {
                const QByteArray text = alt.toUtf8();
                add(number, Code::DuplicateAlt,
                    Strings::format(Str::FindingDuplicateAlt, text.constData(), seen.area));
                break;
            }
        }
        m_alts.push_back({key, url, number});
    }

    void checkLink(int number, const QString& url) {
        if (m_in.pagePath.isEmpty())
            return;
        const QString file = relativeFile(url);
        if (file.isEmpty())
            return;
        const QDir folder = QFileInfo(m_in.pagePath).absoluteDir();
        if (!QFileInfo::exists(folder.filePath(file)))
            add(number, Code::BrokenLink, message(Str::FindingBrokenLink, file));
    }

    const MapFindings::Input& m_in;
    const std::pair<double, double> m_scale;
    std::vector<AltSeen> m_alts;
    std::vector<Finding> m_found;
};

} // namespace

std::vector<MapFindings::Finding> MapFindings::find(const Input& input) {
    return Finder(input).run();
}

const char* MapFindings::codeName(Code code) {
    switch (code) {
    case Code::MissingAlt:
        return "missing-alt";
    case Code::AltIsUrl:
        return "alt-is-url";
    case Code::DuplicateAlt:
        return "duplicate-alt";
    case Code::SmallTarget:
        return "small-target";
    case Code::JavascriptUrl:
        return "javascript-url";
    case Code::BrokenLink:
        return "broken-link";
    case Code::MapNameSpace:
        return "map-name-space";
    case Code::NotClickable:
        return "not-clickable";
    }
    return "";
}
