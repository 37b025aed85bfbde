#pragma once

#include "model/LoadedImage.h"

#include <QString>

#include <memory>

class DocumentDialogs;

// Where a map document gets its picture from: the image loader of the
// application, a fake in tests. A document without one neither locates nor
// loads pictures (the command-line tool reads maps only).
class PictureSource {
public:
    // The picture to find when a map is opened.
    struct Location {
        // In: the path the document composed from the map (a name the map
        // gave, placed in the map's folder), or empty when the map names no
        // picture. Out: the path of an existing file.
        QString imagePath;
        QString mapPath; // the map file's path
    };

    virtual ~PictureSource() = default;

    // Makes where.imagePath name an existing file, trying the places the
    // loader knows and asking the user through dialogs ("Missing Image",
    // the image file dialog) when none holds it. False when the user gives
    // up; the document then fails to open.
    virtual bool locate(Location& where, DocumentDialogs& dialogs) = 0;
    // Decodes the picture at path. Null when it cannot be loaded (the
    // source has told the user why) or when the user cancelled (silently).
    virtual std::unique_ptr<LoadedImage> load(const QString& path) = 0;
    // True when the last load gave null because the user cancelled it, so
    // that nobody tells the user about a failure they asked for.
    virtual bool lastLoadCancelled() const { return false; }
    // Why the last load gave null for a file that is there but gives no
    // picture (damaged, not a picture, unreadable), as a line for the user.
    // The source has then told nobody, so that the caller can offer another
    // picture. Empty after any other load.
    virtual QString lastLoadFailure() const { return {}; }
};
