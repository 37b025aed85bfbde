// Which commands a map document enables, and the two editing dialogs.
#include "document/ImageMapDoc.h"

#include "model/DocumentDialogs.h"
#include "model/ZoomLevel.h"

#include <optional>

namespace {

// The Arrange command of a command id.
std::optional<AreaArrange::Op> arrangeOp(CommandId id) {
    using Op = AreaArrange::Op;
    switch (id) {
    case CommandId::AlignLeft:
        return Op::AlignLeft;
    case CommandId::AlignRight:
        return Op::AlignRight;
    case CommandId::AlignTop:
        return Op::AlignTop;
    case CommandId::AlignBottom:
        return Op::AlignBottom;
    case CommandId::AlignHorizontalCentres:
        return Op::AlignHorizontalCentres;
    case CommandId::AlignVerticalCentres:
        return Op::AlignVerticalCentres;
    case CommandId::DistributeHorizontally:
        return Op::DistributeHorizontally;
    case CommandId::DistributeVertically:
        return Op::DistributeVertically;
    case CommandId::SameWidth:
        return Op::SameWidth;
    case CommandId::SameHeight:
        return Op::SameHeight;
    case CommandId::SameSize:
        return Op::SameSize;
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<AreaArrange::Op> CImageMapDoc::arrangeOpOf(CommandId id) {
    return arrangeOp(id);
}

std::vector<int> CImageMapDoc::CommandContext::areas() const {
    if (!selection.empty())
        return selection;
    if (selected >= 0)
        return {selected};
    return {};
}

bool CImageMapDoc::commandEnabled(CommandId id, const CommandContext& context) const {
    const bool editable = !isReadOnly();
    const bool selected = validIndex(context.selected);
    if (const std::optional<AreaArrange::Op> op = arrangeOp(id))
        return selected && canArrange(context.areas(), *op);
    switch (id) {
    case CommandId::RectangleTool:
    case CommandId::CircleTool:
    case CommandId::PolygonTool:
    case CommandId::TraceTool:
        return !isFull() && editable;
    case CommandId::ArrowTool:
    case CommandId::EditMapInfo:
    case CommandId::CreateGuides:
    case CommandId::ChangeImage:
        return editable;
    case CommandId::Delete:
    case CommandId::EditAreaInfo:
    case CommandId::Cut:
        return selected && editable;
    case CommandId::Copy:
        return selected;
    case CommandId::MoveToFront:
        return selected && editable && canBringToFront(context.areas());
    case CommandId::SendToBack:
        return selected && editable && canSendToBack(context.areas());
    case CommandId::SelectAll:
        return areaCount() > 0;
    case CommandId::Paste:
        return context.clipboardHasArea && editable;
    case CommandId::ExportSvgOverlay:
        return imageWidth() > 0;
    case CommandId::Save:
        return isModified();
    case CommandId::Undo:
        return canUndo();
    case CommandId::Redo:
        return canRedo();
    case CommandId::AreaList:
    case CommandId::GridSettings:
    case CommandId::Grid:
    case CommandId::TestMap:
    case CommandId::SaveAs:
        return true;
    case CommandId::ZoomIn:
    case CommandId::ZoomOut:
    case CommandId::ZoomToFit:
        return true;
    default:
        return ZoomLevel::ofCommand(id).has_value();
    }
}

bool CImageMapDoc::editMapInfo() {
    if (isReadOnly())
        return false;
    MapInfo edited = m_info;
    if (!dialogs().editMapInfo(edited, m_mapPath))
        return false;
    // The dialog edits these four; everything else stays the document's.
    MapInfo info = m_info;
    info.title = edited.title;
    info.author = edited.author;
    info.description = edited.description;
    info.defaultUrl = edited.defaultUrl;
    setMapInfo(info);
    return true;
}

bool CImageMapDoc::editAreaInfo(int i) {
    const MapArea* a = area(i);
    if (!a || isReadOnly())
        return false;
    AreaTexts texts = a->texts();
    switch (dialogs().editArea(*a, i + 1, texts)) {
    case DocumentDialogs::AreaChoice::Ok:
        setAreaTexts(i, texts);
        return true;
    case DocumentDialogs::AreaChoice::Delete:
        deleteArea(i);
        return true;
    case DocumentDialogs::AreaChoice::Cancel:
        break;
    }
    return false;
}

bool CImageMapDoc::editAreasInfo(const std::vector<int>& indices) {
    std::vector<const MapArea*> areas;
    for (int i : indices) {
        if (const MapArea* a = area(i))
            areas.push_back(a);
    }
    if (areas.size() == 1)
        return editAreaInfo(indices.front());
    if (areas.empty() || isReadOnly())
        return false;
    AreaTextsChange change;
    if (!dialogs().editAreas(areas, change) || !change.any())
        return false;
    std::vector<std::pair<int, AreaTexts>> texts;
    for (int i : indices) {
        if (const MapArea* a = area(i))
            texts.emplace_back(i, change.appliedTo(a->texts()));
    }
    setAreasTexts(texts);
    return true;
}
