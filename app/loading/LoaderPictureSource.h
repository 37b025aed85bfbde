#pragma once

#include "model/PictureSource.h"

#include <QPointer>
#include <QWidget>

// The program's PictureSource: finds a map's picture as ImageLocator does
// (asking through the document's dialogs when it is nowhere to be found)
// and decodes it behind the "Loading Image" window. A picture that is not
// there is reported to the user through the Prompter; one that is there but
// gives no picture is left to the caller to report (lastLoadFailure), and
// one whose loading the user cancelled is not reported.
class LoaderPictureSource : public PictureSource {
public:
    // window: the main window, over which the loading window is centred
    // and kept from input while it shows; may be null.
    explicit LoaderPictureSource(QWidget* window = nullptr) : m_window(window) {}

    bool locate(Location& where, DocumentDialogs& dialogs) override;
    // An empty path and a path that names no file are reported (codes 1
    // and 0 of reportImageError) and give null; a file that cannot be read
    // or is not a picture the raster component reads gives null and its
    // reason in lastLoadFailure; a cancelled load gives null silently.
    std::unique_ptr<LoadedImage> load(const QString& path) override;
    bool lastLoadCancelled() const override { return m_cancelled; }
    QString lastLoadFailure() const override { return m_failure; }

    // "Unable to open image file: " with the reason for code
    // (ImageLoadTexts::ErrorCode) and " Press OK to abort loading.", in a
    // box with the warning icon and OK.
    static void reportImageError(int code);

private:
    QPointer<QWidget> m_window;
    bool m_cancelled = false;
    QString m_failure;
};
