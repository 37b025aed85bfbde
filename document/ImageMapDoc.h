#pragma once

#include "document/DocumentState.h"
#include "document/MapCheckState.h"
#include "model/AreaArrange.h"
#include "model/AreaTexts.h"
#include "model/CommandIds.h"
#include "model/GuideValues.h"
#include "model/LoadedImage.h"
#include "model/MapArea.h"
#include "model/MapFindings.h"
#include "model/MapInfo.h"
#include "model/OperationResult.h"
#include "model/PictureArea.h"
#include "model/PixelRect.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class AreaClipRecord;
class DocumentDialogs;
class MapCheckStatus;
class PastePosition;
class PageFile;
class PictureSource;
struct GridSettings;
struct UrlDrop;
class AreaEditCommand;
class AreaInsertCommand;
class AreaOrderCommand;
class AreaReplaceCommand;
class MapInfoCommand;
class PictureCommand;

// The document of one open map: its picture, its MapInfo and its ordered
// areas (index 0 is the front: hit tests, the map check and the writers go
// from index 0 up). It carries out every operation that changes the map and
// answers which commands are enabled; it has no windows. Dialogs go through
// DocumentDialogs, messages through the Prompter, pictures through a
// PictureSource.
//
// Areas are held in picture pixels. Views read them through the const
// accessors and keep whatever they derive for the screen (zoom, scroll
// position, handles) themselves; every change to the map goes through an
// operation here, which tells the views exactly what changed.
//
// Every change to the map is one step on the document's undo stack: the
// public operations push commands (document/*Command.h), whose redo and undo
// call the private primitives below, and those change the map and send the
// signals. Commands hold areas in picture pixels (PictureArea), so a step
// undone at another zoom puts the area back exactly. The document is
// modified while the stack is away from its clean point: a save sets it,
// Open and New start with a clean, empty stack.
class CImageMapDoc : public QObject {
    Q_OBJECT

public:
    static constexpr int kMaxAreas = MapArea::kMaxAreas;

    // Hints of allChanged.
    enum UpdateHint : int {
        HintAll = 0,            // reread everything: areas, list, picture
        HintImageChanged = 6533 // the picture changed ("Change Image")
    };

    // What the application holds for a new document.
    struct NewMapStart {
        QString mapPath;          // a pending map path, or empty
        QString imagePath;        // a pending picture: no wizard runs
        bool createImage = false; // "Create New Image" was asked for: the Image wizard runs
    };

    // The view's state that enable rules depend on.
    struct CommandContext {
        int selected = -1;             // selected area index, -1 for none
        bool clipboardHasArea = false; // the clipboard holds the area format
        // Every selected area in the order selected (the key area, which
        // is selected, first); empty means selected alone.
        std::vector<int> selection{};
        // The selection, or the selected area alone.
        std::vector<int> areas() const;
    };

    // Without dialogs every dialog counts as cancelled; without a picture
    // source no picture is located or loaded.
    explicit CImageMapDoc(DocumentDialogs* dialogs = nullptr, PictureSource* pictures = nullptr,
                          QObject* parent = nullptr);
    ~CImageMapDoc() override;

    void setDialogs(DocumentDialogs* dialogs) { m_dialogs = dialogs; }

    // --- areas ---------------------------------------------------------------
    int areaCount() const { return int(m_areas.size()); }
    bool isFull() const { return areaCount() >= kMaxAreas; }
    const MapArea* area(int i) const { return validIndex(i) ? m_areas[i].get() : nullptr; }
    bool validIndex(int i) const { return i >= 0 && i < areaCount(); }

    // Appends an area (tools, paste) as the step "Draw Area", or the step
    // named by the string id stepName; the area is dropped and null
    // returned when the map already holds 1,024.
    const MapArea* addArea(std::unique_ptr<MapArea> area);
    const MapArea* addArea(std::unique_ptr<MapArea> area, int stepName);
    // Destroys area i; later areas move down by one. cutArea is the same
    // step named "Cut" (the view has copied the area first).
    void deleteArea(int i);
    void cutArea(int i);
    void deleteAllAreas();
    // Moves area `from` to index `to`; those in between shift by one toward
    // `from`. Nothing when from equals to or either is out of range.
    void moveArea(int from, int to);
    // Applies edit to a copy of area i (a tool's one change on release) and
    // makes the result one step, named by what changed (Move Area, Reshape
    // Area, Insert Point, Delete Point, Area Settings) or by the string id
    // stepName. An edit that leaves the map as it was is no step.
    bool changeArea(int i, const std::function<void(MapArea&)>& edit);
    bool changeArea(int i, const std::function<void(MapArea&)>& edit, int stepName);
    void setAreaTexts(int i, const AreaTexts& texts);
    // Moves area i by (dx, dy) picture pixels, no farther than keeps it
    // inside the picture (or as far in as it is). Nudges of the same area
    // one after another, with no pause of more than a second, are one step.
    // False when nothing moved.
    bool nudgeArea(int i, int dx, int dy);

    // --- several areas at once (ImageMapDocGroup.cpp) ---------------------------
    // Each is one step named for the number of areas ("Move 5 Areas"); a
    // single area's is the step it has alone. Indices outside the areas are
    // left out; the order they come in does not matter unless said.
    //
    // Moves the areas by (dx, dy) picture pixels together: the group stops
    // where its first area would leave the picture, its shape kept (an area
    // already outside may not go farther out). nudge: a key's nudge, which
    // merges with the next as one area's nudges do. False when nothing moved.
    bool moveAreas(const std::vector<int>& indices, int dx, int dy, bool nudge = false);
    // How far (dx, dy) may go before the group's box leaves the picture.
    QPoint groupMoveLimit(const std::vector<int>& indices, int dx, int dy) const;
    // Deletes the areas (cut: the step is named Cut).
    void deleteAreas(const std::vector<int>& indices, bool cut = false);
    // The areas go to the front (index 0 on) or the back, keeping their
    // order among themselves.
    void bringAreasToFront(const std::vector<int>& indices);
    void sendAreasToBack(const std::vector<int>& indices);
    // Whether bringing (sending) the areas would change the order.
    bool canBringToFront(const std::vector<int>& indices) const;
    bool canSendToBack(const std::vector<int>& indices) const;
    // An Arrange command over the selection (key area first), one step
    // named after the command (stepName, a string id). Areas it would leave
    // as they are get no change; false when none changes.
    bool arrangeAreas(const std::vector<int>& selection, AreaArrange::Op op, int stepName);
    bool canArrange(const std::vector<int>& selection, AreaArrange::Op op) const;
    // The Arrange command a command id names, if any.
    static std::optional<AreaArrange::Op> arrangeOpOf(CommandId id);
    // Sets several areas' texts as one step.
    void setAreasTexts(const std::vector<std::pair<int, AreaTexts>>& texts);
    // Appends pictures (a paste of several areas) as one step named for
    // the count; as many as the map has room for. Their first index, -1
    // when none went in.
    int addAreas(const std::vector<PictureArea>& areas, int stepName);

    // --- map information, names and title ---------------------------------------
    const MapInfo& mapInfo() const { return m_info; }
    // Takes new map information (a dialog's result), marks modified and
    // recomposes the title.
    void setMapInfo(const MapInfo& info);
    bool isReadOnly() const { return m_info.readOnly; }
    void setReadOnly(bool readOnly) { m_info.readOnly = readOnly; }

    // The document's own path: after Open the map path (a .map file
    // continues as the .htm file beside it).
    const QString& path() const { return m_path; }
    const QString& mapPath() const { return m_mapPath; }
    const QString& mapName() const { return m_mapName; }
    const QString& imagePath() const { return m_imagePath; }
    const QString& imageName() const { return m_imageName; }
    const QString& imageFolder() const { return m_imageFolder; }
    // "title / picture.gif (page.htm)", with placeholders for what is missing.
    const QString& titleText() const { return m_titleText; }

    // Modified: the undo stack is away from its clean point. Marking the
    // document modified without a step (an opened .map file continues as a
    // page) leaves it modified until the next save.
    bool isModified() const { return !m_undo.isClean(); }
    void setModified(bool modified);

    // --- undo and redo -----------------------------------------------------------
    // The steps of this map since it was opened, kept until it is closed.
    const QUndoStack& undoStack() const { return m_undo; }
    // The stack for a QUndoGroup of every open map (Edit > Undo and Redo
    // follow the active window's); only the document pushes steps on it.
    // A read-only map's stays empty.
    QUndoStack& undoStack() { return m_undo; }
    bool canUndo() const { return !isReadOnly() && m_undo.canUndo(); }
    bool canRedo() const { return !isReadOnly() && m_undo.canRedo(); }
    // Undo or redo one step; nothing for a read-only map.
    void undo();
    void redo();
    // The menu texts: "&Undo Move Area", or plain "&Undo" with nothing to undo.
    QString undoMenuText() const;
    QString redoMenuText() const;
    // Where a new IMG tag goes in the target page (caret position), -1 for none.
    int insertOffset() const { return m_insertOffset; }
    // The IMG tag of the target page chosen for the map (offset of its "<"),
    // -1 for none; like the insertion point, it holds until the next save.
    qsizetype imgTagOffset() const { return m_imgTagOffset; }
    // Set when a wizard chose the map file: the next save goes there unasked.
    bool fromWizard() const { return m_fromWizard; }

    // --- picture ---------------------------------------------------------------
    const LoadedImage* image() const { return m_image.get(); }
    // The picture shared: a worker reading its pixels (a trace) keeps it
    // alive while Change Image or its undo replaces it.
    std::shared_ptr<const LoadedImage> sharedImage() const { return m_image; }
    int imageWidth() const { return m_image ? m_image->width() : 0; }
    int imageHeight() const { return m_image ? m_image->height() : 0; }
    PixelRect imageBounds() const { return {0, 0, imageWidth(), imageHeight()}; }

    // --- operations -------------------------------------------------------------
    // New: from pending paths or through a wizard; false when a wizard was
    // cancelled or the picture did not load.
    bool newDocument(const NewMapStart& start);
    // Open: reads the map file, finds and loads its picture, and settles
    // title, page path and clipping. On failure the user is told (beep and
    // message; nothing when the user cancelled loading the picture), the
    // result says what failed (MapFileMissing, MapFileUnreadable,
    // MapUnreadable with the reader's reason as detail, PictureNotLoaded,
    // Cancelled) and the document is to be discarded. pendingImagePath is a
    // picture the application was given for this map.
    OperationResult openDocument(const QString& path, const QString& pendingImagePath = {});
    // Change Image: lets the user pick another picture; everything is put
    // back when that is cancelled (Cancelled) or the picture does not load
    // (PictureUnreadable, told here; PictureNotLoaded, told by the source).
    OperationResult changeImage();
    // Offers to clip the areas that reach beyond the picture; true when
    // areas were clipped.
    bool clipAreasToImage();
    // Create Guides: the dialog, the questions about existing areas, and
    // the guides. True when the command went through.
    bool createGuides();
    // Lays the grid of guides values describes (row by row, left to right)
    // after the existing areas, or in their place with replaceExisting, as
    // one change of the map, and returns how many guides it holds. A grid
    // without guides changes nothing: the existing areas stay.
    int appendGuides(const GuideValues& values, bool replaceExisting = false);
    // Edit Map Info and Edit Area Info through their dialogs.
    bool editMapInfo();
    bool editAreaInfo(int i);
    // Area Settings over several areas (one area: editAreaInfo): the texts
    // the user changed are set on all of them as one step.
    bool editAreasInfo(const std::vector<int>& indices);

    // --- map check, paste and drops (ImageMapDocCheck.cpp, ImageMapDocPaste.cpp)
    // One idle pass of the map check: pass 0 starts a run, each pass examines
    // the next areas for as long as the pass time allows (at least one), and
    // the pass that finds none left completes the run and reports its state
    // to activeStatus (null unless this document is in the active window).
    // A map without areas reports state 0 at once (at pass 0, or at the pass
    // of a run whose areas went away) and only then. Returns true while the
    // run wants further passes; a pass that does not continue the run in
    // progress (a document that joined the passes late) is ignored until the
    // passes start again at 0.
    bool runMapCheckStep(int n, MapCheckStatus* activeStatus);
    // Runs the passes of one complete check (tessary-cli check, tests).
    void runMapCheck(MapCheckStatus* status);
    const MapCheckState& mapCheck() const { return m_check; }
    // The time one idle pass of the map check may take, short of the area
    // in progress; zero examines one area per pass.
    static constexpr std::chrono::microseconds kMapCheckPassTime{3000};
    void setMapCheckPassTime(std::chrono::microseconds time) { m_checkPassTime = time; }
    // Check Map: the accessibility and link findings of the map as it is
    // now, its links resolved beside the document's page, its areas measured
    // as the page's IMG shows picture (the document's own picture when
    // empty).
    std::vector<MapFindings::Finding> findings(QSize picture = {}) const;
    // Paste: appends the area of record at the paste position (snapped to
    // grid when it is on, back to the start when the copy would leave the
    // picture, cut to the picture when it is larger) and advances the
    // position. The new area's index, or -1 when the map is read-only or
    // full.
    int pasteArea(const AreaClipRecord& record, PastePosition& position, const GridSettings& grid);
    // Paste of several areas (records with the picture corners they were
    // copied from): the group keeps its shape, its box placed at the paste
    // position as one area's would be, each area cut to the picture; one
    // step named for the count, as many as the map has room for. The first
    // new index and how many went in ({-1, 0} for none).
    std::pair<int, int> pasteAreas(const std::vector<std::pair<AreaClipRecord, QPoint>>& records,
                                   PastePosition& position, const GridSettings& grid);
    // A URL dropped on picture pixel p: the front-most area holding it (the
    // one a visitor's click reaches) takes it as its URL, and a drop with a
    // title (a bookmark) its title as the comment; plain text keeps the
    // comment. The area's index, or -1 when nothing changed (read-only, no
    // area there, no URL).
    int dropUrl(const UrlDrop& drop, QPoint p);
    // The area a drop on picture pixel p would change (the front-most one
    // holding it), -1 for none: the view shows it while a drag hovers.
    int dropTargetAt(QPoint p) const;
    // --- saving --------------------------------------------------------------------
    // Every save writes an HTML page (MapFileSaver) and asks its questions
    // through the Prompter and its dialogs through DocumentDialogs.

    // Save: DoSave to the document's path, or with the Save As prompt when
    // that file is missing or write-protected.
    OperationResult save();
    // Save As: DoSave with the prompt. The insertion point and the wizard's
    // path are set aside meanwhile and come back when the save fails.
    OperationResult saveAs();
    // File > Export > SVG Overlay: the map as a standalone SVG of its
    // loaded picture at path (SvgOverlayWriter), the picture linked or
    // embedded. Never touches a page; failures are told through the
    // Prompter.
    bool exportSvgOverlay(const QString& path, bool embedPicture) const;
    // DoSave: asks for a missing title (and default URL when "Require
    // Default" is on) and for the one missing area URL, settles the path
    // (path as given, else the wizard's, else the Save As prompt's), refuses
    // names that do not end in ".htm" or ".html", writes the page and shows
    // the saved confirmation. replace: the document takes the path as its
    // own. Done when the page was written; a failed save has been told (a
    // cancelled one needs no telling), leaves the file as it was and the
    // document modified.
    OperationResult doSave(const QString& path, bool replace = true);
    // A map that could not be read whole (lossText() not empty) opens
    // read-only, and is not saved back into the page it was read from,
    // where it would delete what was not read, unless this allows it
    // (tessary-cli convert --allow-loss).
    void setAllowLoss(bool allow) { m_allowLoss = allow; }
    // What Open could not hold of the map ("12 areas beyond ..."); empty
    // when it read the map whole.
    const QString& lossText() const { return m_lossText; }
    // OnSaveDocument: writes the map into the page at path (dated now) and
    // copies the picture beside it unless a file of its name is there. A
    // failure of the page writer is told and returned.
    OperationResult onSaveDocument(const QString& path);
    // How saved pages reach the disk; null (the default) is the saver's own.
    // Tests pass one that fails a step. Not owned.
    void setPageFile(PageFile* file) { m_pageFile = file; }

    // --- recovery copies (ImageMapDocRecovery.cpp) --------------------------------
    // What a recovery copy keeps of the map: everything a save depends on.
    DocumentState state() const;
    // Starts the document from a state a recovery copy kept: the picture is
    // located and loaded as on Open, the map opens modified with the state's
    // page as its save target, and its undo stack starts empty there. False
    // when the picture did not load (the user has been told); the document
    // is then to be discarded.
    bool restoreState(const DocumentState& state);
    // A question Save asks before it writes into the document's own page
    // (a recovered map whose page changed since the copy was made): Yes
    // saves there, No goes to Save As, Cancel saves nothing. It is asked
    // until a save went through; empty for none.
    void setSaveIntoQuestion(const QString& question) { m_saveIntoQuestion = question; }
    const QString& saveIntoQuestion() const { return m_saveIntoQuestion; }

    // Whether command id is enabled, given the view's state. Check and
    // radio marks (current tool, zoom, list shown, grid on) are the view's.
    bool commandEnabled(CommandId id, const CommandContext& context) const;

signals:
    void areaAdded(int index);
    // Emitted after the area is gone; indexes above it have moved down.
    // oldBounds: the box it had, in picture pixels (MapArea::imageRect).
    void areaRemoved(int index, const PixelRect& oldBounds);
    // Geometry or texts of area index changed; its boxes in picture pixels
    // before and after.
    void areaChanged(int index, const PixelRect& oldBounds, const PixelRect& newBounds);
    void areaMoved(int from, int to);
    // Many things changed at once (open, new, guides, clipping, picture).
    void allChanged(int hint);
    void modifiedChanged(bool modified);
    // The undo stack changed (a step pushed, undone or redone).
    void undoStateChanged();
    void titleChanged(const QString& title);

private:
    friend class AreaEditCommand;
    friend class AreaGroupEditCommand;
    friend class AreaInsertCommand;
    friend class AreaOrderCommand;
    friend class AreaReplaceCommand;
    friend class MapInfoCommand;
    friend class PictureCommand;

    // What a Change Image step swaps.
    struct PictureState {
        std::shared_ptr<const LoadedImage> image;
        QString imagePath;
        QByteArray imageFolder, imageFile; // of MapInfo
    };

    // Records cmd as a step and carries it out; while a map is being opened
    // or made (not recording) it is carried out and marks the map modified.
    void pushStep(QUndoCommand* cmd);
    void pushAreaEdit(int i, const PictureArea& after, int stepName, bool merging);
    std::vector<PictureArea> pictures() const;
    // The primitives of the commands: each changes the map and tells the views.
    void insertAreaAt(int i, std::unique_ptr<MapArea> area);
    std::unique_ptr<MapArea> takeAreaAt(int i);
    void reorderArea(int from, int to);
    void applyAreaPicture(int i, const PictureArea& p);
    void replaceAreas(const std::vector<PictureArea>& areas);
    void applyMapInfo(const MapInfo& info);
    PictureState pictureState() const;
    void applyPicture(const PictureState& state);
    std::unique_ptr<MapArea> areaOf(const PictureArea& p) const;
    bool askClipping(const PixelRect& bounds, std::vector<PictureArea>& clipped) const;
    void appendGuideAreas(const GuideValues& values, std::vector<PictureArea>& areas) const;

    DocumentDialogs& dialogs() const;
    void resetForLoad();
    void recomposeNames();
    void takeImageNames();
    void setImage(std::unique_ptr<LoadedImage> image);
    OperationResult openSteps(const QString& path, const QString& pendingImagePath);
    OperationResult readMapFile(const QString& path);
    static OperationResult mapUnreadable(const QString& reason);
    static OperationResult pictureNotLoaded();
    OperationResult pictureNotChanged() const;
    bool locateImage();
    OperationResult loadImage();
    void settleOpenedTitle();
    void continueAsPage();
    std::unique_ptr<MapArea> newArea(AreaShape shape) const;
    // Saving (ImageMapDocSave.cpp).
    bool settleMapInfoForSave();
    OperationResult settleAreaUrlsForSave();
    QString promptSavePath();
    void confirmSaved();
    OperationResult writePage(const QString& path, bool& copyPicture);
    OperationResult lossySaveRefusal(const QString& path) const;
    QByteArray pictureReference(const QString& pagePath, bool& copyBeside) const;
    void notePagePicture(const QString& resolvedPath);
    void forgetReadPage();

    DocumentDialogs* m_dialogs;
    PictureSource* m_pictures;
    QString m_path;
    QString m_imageName, m_imageFolder, m_imagePath;
    QString m_mapName, m_mapFolder, m_mapPath;
    QString m_titleText;
    int m_insertOffset = -1;
    qsizetype m_imgTagOffset = -1;
    std::shared_ptr<const LoadedImage> m_image;
    MapInfo m_info;
    std::vector<std::unique_ptr<MapArea>> m_areas;
    bool m_fromWizard = false;
    QUndoStack m_undo;
    bool m_recording = true; // false while opening or making a map
    MapCheckState m_check;
    std::chrono::microseconds m_checkPassTime = kMapCheckPassTime;
    PageFile* m_pageFile = nullptr;
    // The page's own picture reference: the file the map was read from, the
    // picture as the map named it (SRC, relative, absolute or a URL) and
    // the picture file that stands for it; a save keeps the reference while
    // the picture is that file.
    QString m_readFrom;
    QByteArray m_pageImageRef;
    QString m_pagePicturePath;
    QString m_lossText;
    bool m_allowLoss = false;
    QString m_saveIntoQuestion;
};
