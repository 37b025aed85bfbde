#pragma once

#include <QString>

class QWidget;

// The image file dialog: "Open an existing Image (GIF/JPG/PNG) file", for
// an existing file, with the image filters (all pictures, GIF, JPG, PNG,
// then all files). What DocumentDialogs::chooseImageFile shows.
class ImageFileDialog {
public:
    // Makes startFolder() the current folder, then asks. The dialog opens
    // in startPath's folder when startPath names an existing one, else in
    // startFolder(), with startPath's file name filled in. Returns the
    // chosen file's absolute path, or empty when cancelled. Remembering the
    // folder is the caller's (ImageLocator::chooseImageFile).
    static QString choose(const QString& startPath, QWidget* parent = nullptr);

    // The last image folder, or the user's documents (UserFolders) when
    // none is remembered, it no longer exists or is the program's own.
    static QString startFolder();
};
