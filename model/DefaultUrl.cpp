#include "model/DefaultUrl.h"

#include "model/MapText.h"
#include "model/Settings.h"

namespace DefaultUrl {

QByteArray lead() {
    return MapText::fromDisplay(Settings::app().defaultUrlLead);
}

bool isSet(const QByteArray& url) {
    return !url.isEmpty() && url != lead();
}

} // namespace DefaultUrl
