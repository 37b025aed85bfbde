#pragma once

#include "model/AreaTexts.h"
#include "model/AreaTextsChange.h"
#include "model/GuideValues.h"
#include "model/MapInfo.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <vector>

class MapArea;

// The dialogs that document operations open. The editor implements every
// one with windows; CancellingDocumentDialogs answers each as a cancelled
// dialog, for tests and the command-line tool to build on. Message boxes go
// through the Prompter instead.
class DocumentDialogs {
public:
    enum class AreaChoice { Ok, Cancel, Delete };
    enum class ExistingAreas { Add, Replace, Cancel };

    // What the New Map wizard settles for a new document.
    struct NewMap {
        QString imagePath;
        QString mapPath;
        QByteArray title;
        int insertOffset = -1; // caret position in the target page, -1 for none
        // The IMG tag of the page the map is for (offset of its "<"), -1 for none.
        qsizetype imgTagOffset = -1;
    };

    virtual ~DocumentDialogs() = default;

    // "Settings for this Mapfile" on a copy of the map information and the
    // map's path; true on OK with the copy edited.
    virtual bool editMapInfo(MapInfo& info, const QString& mapPath) = 0;
    // "Area Settings" for `area`, numbered `number` (index + 1), editing a
    // copy of its texts.
    virtual AreaChoice editArea(const MapArea& area, int number, AreaTexts& texts) = 0;
    // "Area Settings" over several areas: false on Cancel, otherwise the
    // texts the user changed, for all of them.
    virtual bool editAreas(const std::vector<const MapArea*>& areas, AreaTextsChange& change) = 0;
    // "Create Guides" for a picture of the given size: false on Cancel,
    // otherwise the values the user accepted.
    virtual bool createGuides(int imageWidth, int imageHeight, GuideValues& values) = 0;
    // "Areas Existing": keep the existing areas, replace them, or cancel.
    virtual ExistingAreas areasExisting() = 0;
    // The image file dialog, starting at startPath: the chosen path, or
    // empty when cancelled.
    virtual QString chooseImageFile(const QString& startPath) = 0;
    // "Missing Image" for the named picture: true on OK (the caller then
    // offers the image file dialog), false on Cancel.
    virtual bool missingImage(const QByteArray& imageFile) = 0;
    // The New Map wizard, starting from result.mapPath (the pending page,
    // or empty); false unless it ended with Finish.
    virtual bool runNewMapWizard(NewMap& result) = 0;
    // The Image wizard; false unless it ended with Finish, else the path of
    // the picture it wrote.
    virtual bool runImageWizard(QString& imagePath) = 0;

    // --- reading and saving pages ---------------------------------------------

    // One map of a page as "Multiple Maps in HTML File" lists it: its name
    // and its picture (or "<unknown>").
    struct MapChoice {
        QByteArray name;
        QByteArray graphic;
    };
    // "Multiple Maps in HTML File": true on OK with chosen set to the row
    // of the chosen map in maps (a page may hold two maps of one name);
    // false on Cancel.
    virtual bool chooseMap(const QList<MapChoice>& maps, int& chosen) = 0;

    // What the Save As prompt starts from and what it settles.
    struct SaveAs {
        QString folder;              // the folder the prompt opens in (the map's)
        QString proposedName;        // the file name it offers
        QByteArray mapName;          // in and out: the map's name (its title)
        QString imagePath;           // the document's picture, for the page checks
        int insertOffset = -1;       // in and out: where a new IMG tag goes, -1 for none
        qsizetype imgTagOffset = -1; // out: the page's IMG tag chosen for the map, -1 for none
        QString path;                // out: the chosen file
    };
    // "Save the Image Map file" (with the overwrite prompt and the checks
    // of an existing page): true with request.path set, false on Cancel.
    virtual bool chooseSavePath(SaveAs& request) = 0;

    // The saved confirmation showing text; true when the user ticked "don't
    // show this again".
    virtual bool confirmSaved(const QString& text) = 0;
};
