#pragma once

#include <optional>

// Every command of the editor with its numeric id: menus, toolbar buttons,
// accelerators and context menus all name commands by these ids, and the
// update handlers answer for them.
enum class CommandId : int {
    // Editing view and document.
    EditAreaInfo = 32773,
    RectangleTool = 32774,
    CircleTool = 32775,
    EditMapInfo = 32776,
    GridSettings = 32777,
    Grid = 32778,
    CreateGuides = 32779,
    PolygonTool = 32780,
    DeletePoint = 32781,
    InsertPoint = 32782,
    ArrowTool = 32785,
    TestMap = 32786,
    CheckMap = 32832,
    AreaList = 32787,
    Delete = 32788,
    ChangeImage = 32801,
    ZoomIn = 32802,
    ZoomOut = 32803,
    Zoom1 = 32804, // Zoom n:1 is Zoom1 + n - 1, up to Zoom8
    Zoom2 = 32805,
    Zoom3 = 32806,
    Zoom4 = 32807,
    Zoom5 = 32808,
    Zoom6 = 32809,
    Zoom7 = 32810,
    Zoom8 = 32811,
    MoveToFront = 32827,
    SendToBack = 32828,
    // Maps for the web: File > Export.
    ExportSvgOverlay = 33020,
    // Application and frames.
    Welcome = 400,
    Preferences = 224,
    KeepVisible = 32825,
    CreateNewImage = 32829,
    NewImageMap = 57600,
    Open = 57601,
    Save = 57603,
    SaveAs = 57604,
    Print = 57607,
    Copy = 57634,
    Cut = 57635,
    Paste = 57637,
    Undo = 57643,
    Redo = 57644,
    Cascade = 57650,
    Tile = 57651,
    About = 57664,
    Exit = 57665,
    HelpContents = 57666,
    Help = 57670,
    NextPane = 57680,
    PreviousPane = 57681,
    // Frames and windows.
    Close = 57602,
    RecentFile1 = 57616, // recent file n is RecentFile1 + n - 1, up to 16 files
    Arrange = 57649,
    ViewToolbar = 59392,
    ViewStatusBar = 59393,
    // Zoom levels beyond 1:1 to 8:1, and Zoom to Fit (model/ZoomLevel.h).
    ZoomToFit = 33000,
    ZoomOut2 = 33001,
    ZoomOut3 = 33002,
    ZoomOut4 = 33003,
    ZoomOut6 = 33004,
    ZoomOut8 = 33005,
    ZoomOut12 = 33006,
    ZoomOut16 = 33007,
    Zoom12 = 33008,
    Zoom16 = 33009,
    // Recovery copies: "Recover Maps" at start-up.
    RecoverMaps = 33040,
    // Tracing an area along a shape in the picture: Mapping > Trace.
    TraceTool = 33060,
    // Several areas at once: Edit > Select All and Mapping > Arrange.
    SelectAll = 33080,
    AlignLeft = 33081,
    AlignRight = 33082,
    AlignTop = 33083,
    AlignBottom = 33084,
    AlignHorizontalCentres = 33085,
    AlignVerticalCentres = 33086,
    DistributeHorizontally = 33087,
    DistributeVertically = 33088,
    SameWidth = 33089,
    SameHeight = 33090,
    SameSize = 33091,
};

// The numbered commands: recent file n is RecentFile1 + n - 1. The only
// arithmetic on command ids; everything else names them.
namespace CommandIds {

constexpr int kMaxRecentFiles = 16;

// The command of recent file index (0 for the first).
constexpr CommandId recentFile(int index) {
    return CommandId(int(CommandId::RecentFile1) + index);
}

// The recent file index of id, or none for another command.
constexpr std::optional<int> recentFileIndex(CommandId id) {
    const int index = int(id) - int(CommandId::RecentFile1);
    if (index < 0 || index >= kMaxRecentFiles)
        return std::nullopt;
    return index;
}

// The id the string table holds the command's prompt and tool tip under.
constexpr int promptTextId(CommandId id) {
    return int(id);
}

} // namespace CommandIds
