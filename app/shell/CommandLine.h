#pragma once

#include <QString>
#include <QStringList>

// What a command line asks for. Switches are the arguments beginning with
// "/" or "-", compared without that character and with case: "g:" names
// the picture, "m:" the map, "?" or "help" asks for the switch list; the
// platform's standard switches ("p", "pt", "dde", "Unregister",
// "Unregserver", "Embedding", "Automation") choose other shell commands,
// and any other switch is ignored. The first argument that is no switch is
// the file to open.
struct CommandLineInfo {
    enum class ShellCommand {
        FileNew,       // the default: a new map, when a picture or map name was given
        FileOpen,      // a file name was given
        FilePrint,     // "p"
        FilePrintTo,   // "pt" with printer, driver and port
        FileDde,       // "dde"
        AppUnregister, // "Unregister" or "Unregserver"
        FileNothing,   // started to serve another program ("Embedding", "Automation")
    };

    ShellCommand shellCommand = ShellCommand::FileNew;
    QString fileName;
    QString imageFile;         // "g:"
    QString mapName;           // "m:"
    bool showSwitches = false; // "?" or "help": the Command Line Switches dialog

    static CommandLineInfo parse(const QStringList& arguments);
};

// Where a command line's documents go: the application.
class DocumentHost {
public:
    virtual ~DocumentHost() = default;
    // Opens the map file, with a picture to use instead of the one the map
    // names when imagePath is not empty. False when it did not open (the
    // document has told the user).
    virtual bool openMapFile(const QString& path, const QString& imagePath) = 0;
    // A new map with a pending map path and picture (either may be empty).
    virtual bool newMap(const QString& mapPath, const QString& imagePath) = 0;
};

// Carries out a parsed command line: opens the file ("open" with a name), or
// starts a new map ("new" with a picture or map name; nothing without
// either), or beeps and says 7069 for any other shell command. False when
// nothing that was asked for happened.
bool processCommandLine(const CommandLineInfo& info, DocumentHost& host);
