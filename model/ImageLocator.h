#pragma once

#include "model/PictureSource.h"

#include <QString>

class DocumentDialogs;

// Finds the picture of a map being opened, as every picture source does
// it: first without asking (search), then through the "Missing Image"
// dialog and the image file dialog (locate). Also the one way to run the
// image file dialog, so that every choice of a picture is remembered as the
// "Last Image Folder".
class ImageLocator {
public:
    // Without asking anybody: a map that names no picture takes the picture
    // of its own name beside it (extension jpg, else png, else gif); a
    // picture that is not where the path says is looked for under its name
    // in the map's folder, then in the current folder. where.imagePath ends
    // as the last path tried; true when it names an existing file.
    static bool search(PictureSource::Location& where);

    // search(), then "Missing Image" and the image file dialog (started at
    // the picture's name). False when the user cancels either.
    static bool locate(PictureSource::Location& where, DocumentDialogs& dialogs);

    // The image file dialog at startPath. The chosen path, its folder
    // remembered as the last image folder; empty when cancelled.
    static QString chooseImageFile(DocumentDialogs& dialogs, const QString& startPath);
};
