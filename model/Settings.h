#pragma once

#include "model/ColorRef.h"
#include "model/GridSettings.h"
#include "model/TraceRequest.h"

#include <QString>
#include <QStringList>

class QSettings;
class SettingsNotifier;

// Every user setting with its default, as typed members. The application
// loads them once at start-up and stores them at exit (by the last running
// copy only); everything else reads and changes the one instance, app().
//
// The store is QSettings in INI format, organisation "Corvane", application
// "Tessary", section "Settings"; the value names come from the string table.
class Settings {
public:
    bool areaPrompt = true;       // open Area Settings after drawing an area
    bool skipSavedDialog = false; // no confirmation after saving
    bool requireDefault = false;  // a default URL is required to save
    bool showHandles = true;
    bool showAreaTips = true;
    bool grabSize = false; // double-sized handles (9 instead of 5)
    bool oldFileDial = false;
    bool fillArea = true;
    int fillType = 5; // hatch style 0..5
    bool neverShowWarn = false;
    bool neverShowButtonRtf = false;
    bool pinned = false;
    ColorRef defaultColor = 0xffff00;
    ColorRef defaultBack = 0xff0000;
    ColorRef selectedColor = 0x0000ff;
    ColorRef selectedBack = 0xffffff;
    ColorRef flybyColor = 0x00ff00;
    ColorRef flybyBack = 0x00ffff;
    ColorRef fillColor = 0xff0000;
    GridSettings grid;
    QString lastImageFolder;
    QString lastMapFolder;
    int maxRecent = 4; // read at start-up only
    bool maximizeOnOpen = true;
    bool zoomToFit = true;
    bool neverShowWelcome = false;
    int lastUsedWelcome = 1;
    QString defaultUrlLead = QStringLiteral("http://www.");
    // The Trace tool's colour tolerance (0 to 255) and outline precision in
    // picture pixels (0.5 to 10); values read from the store are brought
    // within these bounds (TraceRequest's).
    int traceTolerance = TraceRequest::kDefaultTolerance;
    double tracePrecision = TraceRequest::kDefaultPrecision;
    // Recovery copies of maps with changes not yet saved, written at least
    // every recoveryInterval seconds while changes go on.
    static constexpr int kMinRecoveryInterval = 10;
    static constexpr int kMaxRecoveryInterval = 600;
    bool saveRecoveryCopies = true;
    int recoveryInterval = 30;
    // Read, never written. A page is always replaced through a temporary file
    // renamed over it, so neither changes how a save goes (see
    // docs/ARCHITECTURE.md); they are kept so that stored values survive.
    int dnd = 0;
    int cwgr = 0;

    // Handle size in view pixels at scale 1 that areas take on creation.
    int handleSize() const { return grabSize ? 9 : 5; }

    // The application's one instance.
    static Settings& app();
    // Emits changed() whenever app() was changed in a way others must
    // follow (announceChange).
    static SettingsNotifier& notifier();
    // Tells every listener of notifier() that app() changed.
    static void announceChange();

    // Reads every value; values missing from the store keep their current ones.
    void load();
    // Writes every value except "DND" and "CWGR".
    void save() const;

    // Single values by the string id of their name, read and written
    // straight through to the store (the guide values live only there).
    static int readInt(int nameId, int fallback);
    static void writeInt(int nameId, int value);
    static QString readText(int nameId, const QString& fallback = {});
    static void writeText(int nameId, const QString& value);

    // Points the store at an INI file below folder instead of the user's
    // configuration folder (tests).
    static void setStoreFolder(const QString& folder);

private:
    template <class Self, class F>
    static void forEachStored(Self& self, F&& visit);
};
