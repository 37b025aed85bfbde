#pragma once

#include "model/PictureSource.h"

class QWidget;

// Pictures for documents as the map names them: the picture must exist where
// the document placed it (else "Missing Image" and the image file dialog are
// offered), and it loads behind the "Loading Image" window.
class DirectPictureSource : public PictureSource {
public:
    explicit DirectPictureSource(QWidget* parent) : m_parent(parent) {}

    bool locate(Location& where, DocumentDialogs& dialogs) override;
    std::unique_ptr<LoadedImage> load(const QString& path) override;

private:
    QWidget* m_parent;
};
