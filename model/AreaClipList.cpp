#include "model/AreaClipList.h"

#include "model/AreaClipJson.h"
#include "model/MapArea.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeData>

QString AreaClipList::mimeType() {
    return QStringLiteral("application/x-tessary-areas+json");
}

void AreaClipList::putInto(QMimeData& data, const std::vector<const MapArea*>& areas) {
    if (areas.empty())
        return;
    AreaClipJson::putInto(data, *areas.front());
    if (areas.size() == 1)
        return;
    QByteArray list = "[";
    for (std::size_t i = 0; i < areas.size(); ++i) {
        if (i)
            list += ',';
        list += AreaClipJson::toBytes(*areas[i]);
    }
    list += ']';
    data.setData(mimeType(), list);
}

std::vector<AreaClipList::Item> AreaClipList::fromBytes(const QByteArray& bytes) {
    if (bytes.isEmpty() || bytes.size() > kMaxBytes)
        return {};
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray())
        return {};
    const QJsonArray list = doc.array();
    if (list.isEmpty() || list.size() > kMaxAreas)
        return {};
    std::vector<Item> items;
    items.reserve(std::size_t(list.size()));
    for (const QJsonValue& entry : list) {
        if (!entry.isObject())
            return {};
        const QJsonObject o = entry.toObject();
        std::optional<AreaClipRecord> record =
            AreaClipJson::fromBytes(QJsonDocument(o).toJson(QJsonDocument::Compact));
        if (!record)
            return {};
        // fromBytes has checked the rectangle's four coordinates.
        const QJsonArray rect = o[QLatin1String("rect")].toArray();
        items.push_back({*record, QPoint(rect[0].toInt(), rect[1].toInt())});
    }
    return items;
}

std::vector<AreaClipList::Item> AreaClipList::fromMimeData(const QMimeData& data) {
    if (data.hasFormat(mimeType())) {
        std::vector<Item> items = fromBytes(data.data(mimeType()));
        if (!items.empty())
            return items;
    }
    if (std::optional<AreaClipRecord> one = AreaClipJson::fromMimeData(data))
        return {{*one, QPoint()}};
    return {};
}
