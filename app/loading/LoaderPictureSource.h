#pragma once

#include "model/PictureSource.h"

#include <QPointer>
#include <QWidget>

// The program's PictureSource: finds a map's picture as ImageLocator does
// (asking through the document's dialogs when it is nowhere to be found)
// and decodes it behind the "Loading Image" window. Every picture that does
// not load is reported to the user through the Prompter, except one whose
// loading the user cancelled.
class LoaderPictureSource : public PictureSource {
public:
    // window: the main window, over which the loading window is centred
    // and kept from input while it shows; may be null.
    explicit LoaderPictureSource(QWidget* window = nullptr) : m_window(window) {}

    bool locate(Location& where, DocumentDialogs& dialogs) override;
    // An empty path, a path that names no file and a file that is not a
    // picture the raster component reads are reported (codes 1, 0 and 2 of
    // reportImageError) and give null; so does a cancelled load, silently.
    std::unique_ptr<LoadedImage> load(const QString& path) override;
    bool lastLoadCancelled() const override { return m_cancelled; }

    // "Unable to open image file: " with the reason for code
    // (ImageLoadTexts::ErrorCode) and " Press OK to abort loading.", in a
    // box with the warning icon and OK.
    static void reportImageError(int code);

private:
    QPointer<QWidget> m_window;
    bool m_cancelled = false;
};
