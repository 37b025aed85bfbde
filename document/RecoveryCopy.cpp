#include "document/RecoveryCopy.h"

#include "formats/HtmlMapReader.h"
#include "formats/HtmlMapWriter.h"
#include "formats/HtmlPageScan.h"
#include "formats/MapReadReport.h"
#include "model/AreaCollector.h"
#include "model/MapArea.h"
#include "model/Strings.h"

#include <QList>

#include <limits>
#include <map>

namespace {

constexpr QByteArrayView kFirstLine = "Tessary recovery copy ";

class HeaderWriter {
public:
    explicit HeaderWriter(QByteArray& out) : m_out(out) {}
    void bytes(QByteArrayView key, const QByteArray& value) {
        m_out += key;
        m_out += '=';
        m_out += value.toPercentEncoding();
        m_out += '\n';
    }
    void text(QByteArrayView key, const QString& value) { bytes(key, value.toUtf8()); }
    void number(QByteArrayView key, qint64 value) { bytes(key, QByteArray::number(value)); }

private:
    QByteArray& m_out;
};

// The header's values by key, each once.
using Header = std::map<QByteArray, QByteArray>;

bool failWith(QString& reason, int id) {
    reason = Strings::text(id);
    return false;
}

bool splitHeader(QByteArrayView bytes, Header& header, qsizetype& body, int& version,
                 QString& reason) {
    qsizetype at = 0;
    int lines = 0;
    for (;;) {
        const qsizetype lf = bytes.indexOf('\n', at);
        if (lf < 0)
            return failWith(reason, at == 0 ? Str::RecoveryNotACopy : Str::RecoveryTruncated);
        const QByteArrayView line = bytes.sliced(at, lf - at);
        at = lf + 1;
        if (line.size() > RecoveryCopy::kMaxHeaderLine || ++lines > RecoveryCopy::kMaxHeaderLines)
            return failWith(reason, Str::RecoveryBadHeader);
        if (lines == 1) {
            if (!line.startsWith(kFirstLine))
                return failWith(reason, Str::RecoveryNotACopy);
            bool ok = false;
            version = line.sliced(kFirstLine.size()).toInt(&ok);
            if (!ok)
                return failWith(reason, Str::RecoveryNotACopy);
            if (version != RecoveryCopy::kVersion) {
                reason = QString::asprintf(Strings::raw(Str::RecoveryOtherVersion), version);
                return false;
            }
            continue;
        }
        if (line.isEmpty())
            break;
        const qsizetype eq = line.indexOf('=');
        if (eq <= 0)
            return failWith(reason, Str::RecoveryBadHeader);
        const QByteArray key = line.first(eq).toByteArray();
        if (!header.emplace(key, QByteArray::fromPercentEncoding(line.sliced(eq + 1).toByteArray()))
                 .second)
            return failWith(reason, Str::RecoveryBadHeader);
    }
    body = at;
    return true;
}

// Typed reads of the header; a missing key or a value out of range fails.
class HeaderReader {
public:
    explicit HeaderReader(const Header& header) : m_header(header) {}
    bool ok() const { return m_ok; }

    QByteArray bytes(const char* key) {
        const auto it = m_header.find(key);
        if (it == m_header.end()) {
            m_ok = false;
            return {};
        }
        return it->second;
    }
    QString text(const char* key) { return QString::fromUtf8(bytes(key)); }
    qint64 number(const char* key, qint64 low, qint64 high) {
        bool ok = false;
        const qint64 v = bytes(key).toLongLong(&ok);
        if (!ok || v < low || v > high) {
            m_ok = false;
            return low;
        }
        return v;
    }
    bool flag(const char* key) { return number(key, 0, 1) != 0; }
    QDateTime time(const char* key) {
        const qint64 ms = number(key, -1, std::numeric_limits<qint64>::max() / 2);
        return ms < 0 ? QDateTime() : QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
    }

private:
    const Header& m_header;
    bool m_ok = true;
};

void readHeader(HeaderReader& h, RecoveryCopy& copy) {
    DocumentState& s = copy.state;
    s.path = h.text("path");
    s.mapPath = h.text("map-path");
    s.imagePath = h.text("picture");
    s.readFrom = h.text("read-from");
    s.pageImageRef = h.bytes("page-picture-ref");
    s.pagePicturePath = h.text("page-picture");
    s.lossText = h.text("loss");
    s.insertOffset = int(h.number("insert-offset", -1, std::numeric_limits<int>::max()));
    s.imgTagOffset = h.number("img-tag-offset", -1, RecoveryCopy::kMaxBytes * 64);
    s.fromWizard = h.flag("from-wizard");
    s.fromServerMap = h.flag("server-map");
    s.info.readOnly = h.flag("read-only");
    s.info.formatVersion = int(h.number("format-version", 0, 1000000));
    s.info.imageFolder = h.bytes("picture-folder");
    s.info.imageFile = h.bytes("picture-file");
    s.info.date = h.bytes("date");
    s.info.description = h.bytes("description");
    s.info.defaultUrl = h.bytes("default-url");
    s.info.shownWidth = int(h.number("shown-width", 0, 1 << 20));
    s.info.shownHeight = int(h.number("shown-height", 0, 1 << 20));
    copy.time = h.time("time");
    copy.ownerPid = h.number("owner-pid", 0, std::numeric_limits<qint64>::max());
    copy.ownerStart = h.number("owner-start", 0, std::numeric_limits<qint64>::max());
    copy.pageSize = h.number("page-size", -1, std::numeric_limits<qint64>::max());
    copy.pageModified = h.time("page-time");
}

// The map of the page as any page's map is read; the header's fields that
// a page does not carry are put back over what the reader made of them.
bool readMap(QByteArrayView page, RecoveryCopy& copy, QString& reason) {
    const HtmlPageScan scan = HtmlPageScan::scan(page);
    if (scan.maps.size() != 1)
        return failWith(reason, Str::RecoveryNoMap);
    AreaCollector collector(MapArea::kMaxAreas);
    MapInfo info;
    MapReadReport report;
    HtmlMapReader::loadMap(page, scan, 0, collector, info, &report);
    if (report.failure != 0) {
        reason = report.failureText();
        return false;
    }
    if (report.lossy())
        return failWith(reason, Str::RecoveryNoMap);
    const MapInfo& kept = copy.state.info;
    info.readOnly = kept.readOnly;
    info.formatVersion = kept.formatVersion;
    info.imageFolder = kept.imageFolder;
    info.imageFile = kept.imageFile;
    info.date = kept.date;
    info.description = kept.description;
    info.defaultUrl = kept.defaultUrl;
    info.shownWidth = kept.shownWidth;
    info.shownHeight = kept.shownHeight;
    copy.state.info = info;
    copy.state.areas.clear();
    for (const auto& area : collector.areas())
        copy.state.areas.push_back(area->picture());
    return true;
}

} // namespace

QByteArray RecoveryCopy::mapPage(const DocumentState& state) {
    HtmlMapWriter writer({});
    writer.begin(state.info);
    for (const PictureArea& p : state.areas) {
        MapArea area(p.shape);
        area.setPicture(p);
        writer.writeArea(area);
    }
    writer.writeDefault(state.info);
    return writer.finish();
}

QByteArray RecoveryCopy::encode() const {
    const QByteArray page = mapPage(state);
    QByteArray out;
    out.reserve(page.size() + 4096);
    out += kFirstLine;
    out += QByteArray::number(kVersion);
    out += '\n';
    HeaderWriter h(out);
    const DocumentState& s = state;
    h.text("path", s.path);
    h.text("map-path", s.mapPath);
    h.text("picture", s.imagePath);
    h.text("read-from", s.readFrom);
    h.bytes("page-picture-ref", s.pageImageRef);
    h.text("page-picture", s.pagePicturePath);
    h.text("loss", s.lossText);
    h.number("insert-offset", s.insertOffset);
    h.number("img-tag-offset", s.imgTagOffset);
    h.number("from-wizard", s.fromWizard);
    h.number("server-map", s.fromServerMap);
    h.number("read-only", s.info.readOnly);
    h.number("format-version", s.info.formatVersion);
    h.bytes("picture-folder", s.info.imageFolder);
    h.bytes("picture-file", s.info.imageFile);
    h.bytes("date", s.info.date);
    // A page writes "-->" in a description as "-- >" and leaves out a
    // default URL that is only the lead text: both are kept as they are.
    h.bytes("description", s.info.description);
    h.bytes("default-url", s.info.defaultUrl);
    h.number("shown-width", s.info.shownWidth);
    h.number("shown-height", s.info.shownHeight);
    h.number("time", time.isValid() ? time.toMSecsSinceEpoch() : -1);
    h.number("owner-pid", ownerPid);
    h.number("owner-start", ownerStart);
    h.number("page-size", pageSize);
    h.number("page-time", pageModified.isValid() ? pageModified.toMSecsSinceEpoch() : -1);
    h.number("map-bytes", page.size());
    out += '\n';
    out += page;
    return out;
}

bool RecoveryCopy::decode(QByteArrayView bytes, RecoveryCopy& copy, QString& reason) {
    copy = RecoveryCopy{};
    if (bytes.size() > kMaxBytes)
        return failWith(reason, Str::RecoveryTooLarge);
    Header header;
    qsizetype body = 0;
    int version = 0;
    if (!splitHeader(bytes, header, body, version, reason))
        return false;
    HeaderReader h(header);
    readHeader(h, copy);
    const qint64 mapBytes = h.number("map-bytes", 0, kMaxBytes);
    if (!h.ok())
        return failWith(reason, Str::RecoveryBadHeader);
    const qsizetype rest = bytes.size() - body;
    if (rest < mapBytes)
        return failWith(reason, Str::RecoveryTruncated);
    if (rest > mapBytes)
        return failWith(reason, Str::RecoveryBadHeader);
    return readMap(bytes.sliced(body), copy, reason);
}
