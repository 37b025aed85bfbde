#include "app/AppDocumentDialogs.h"

// Map and area settings, Create Guides and Areas Existing come with the area
// and map dialogs, the image file dialog and "Missing Image" with image
// loading, the wizards with the wizards.

bool AppDocumentDialogs::editMapInfo(MapInfo&, const QString&) {
    return false;
}

DocumentDialogs::AreaChoice AppDocumentDialogs::editArea(const MapArea&, int, AreaTexts&) {
    return AreaChoice::Cancel;
}

bool AppDocumentDialogs::createGuides(int, int, GuideValues&) {
    return false;
}

DocumentDialogs::ExistingAreas AppDocumentDialogs::areasExisting() {
    return ExistingAreas::Cancel;
}

QString AppDocumentDialogs::chooseImageFile(const QString&) {
    return {};
}

bool AppDocumentDialogs::missingImage(const QByteArray&) {
    return false;
}

bool AppDocumentDialogs::runNewMapWizard(NewMap&) {
    return false;
}

bool AppDocumentDialogs::runImageWizard(QString&) {
    return false;
}
