#include "view/ClipboardAreas.h"

#include "model/AreaClipJson.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

ClipboardAreas::ClipboardAreas() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        connect(clipboard, &QClipboard::dataChanged, this, [this] {
            m_known = false;
            emit changed();
        });
    }
}

ClipboardAreas& ClipboardAreas::instance() {
    static ClipboardAreas* watcher = new ClipboardAreas; // lives as long as the clipboard
    return *watcher;
}

bool ClipboardAreas::offered() {
    if (!m_known) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
        m_offered = data && AreaClipJson::offeredBy(*data);
        m_known = true;
    }
    return m_offered;
}
