#include "wizards/MapNameValues.h"

#include "model/MapText.h"
#include "model/Prompter.h"
#include "model/Strings.h"

#include <QFileInfo>

#include <algorithm>

bool MapNameValues::isValid(const QByteArray& name) {
    if (name.isEmpty())
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u <= ' ' || u == 0x7f || c == '"' || c == '#';
    });
}

QByteArray MapNameValues::nameOfPicture(const QString& imagePath) {
    return MapText::fromDisplay(QFileInfo(imagePath).completeBaseName());
}

QString MapNameValues::example(const QString& imagePath) const {
    const QByteArray file = MapText::fromDisplay(QFileInfo(imagePath).fileName());
    return Strings::format(Str::ImgExample, file.constData(), m_name.constData());
}

bool MapNameValues::finish() {
    if (!canFinish())
        return false;
    if (!m_page.hasMap(m_name) || m_name == m_agreed)
        return true;
    const QByteArray shown = m_name;
    if (!Prompter::askYes(Strings::format(Str::MapNameExists, shown.constData())))
        return false;
    m_agreed = m_name;
    return true;
}
