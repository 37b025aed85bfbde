#include "view/ToolHost.h"

#include "document/ImageMapDoc.h"
#include "model/CommandIds.h"
#include "model/Settings.h"

int ToolHost::addDrawnArea(std::unique_ptr<MapArea> area) {
    CImageMapDoc& doc = *document();
    if (!doc.addArea(std::move(area)))
        return -1;
    const int index = doc.areaCount() - 1;
    if (Settings::app().areaPrompt) {
        setSelected(index);
        postCommand(int(CommandId::EditAreaInfo));
    }
    return index;
}
