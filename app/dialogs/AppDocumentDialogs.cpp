#include "app/dialogs/AppDocumentDialogs.h"

#include "app/dialogs/ImageFileDialog.h"
#include "app/dialogs/MissingImageDialog.h"
#include "app/dialogs/MultipleMapsDialog.h"
#include "app/dialogs/SaveMapDialog.h"
#include "app/dialogs/SavedDialog.h"
#include "view/AreaSettingsDialog.h"
#include "view/MapSettingsDialog.h"
#include "wizards/ImageWizard.h"

bool AppDocumentDialogs::opensDialogsOf(CommandId id) {
    switch (id) {
    case CommandId::CreateGuides:   // the guides dialog and "Areas Existing"
    case CommandId::NewImageMap:    // the New Map wizard
        return false;
    default:
        return true;
    }
}

bool AppDocumentDialogs::editMapInfo(MapInfo& info, const QString& mapPath) {
    return MapSettingsDialog::run(info, mapPath, m_parent);
}

DocumentDialogs::AreaChoice AppDocumentDialogs::editArea(const MapArea& area, int number,
                                                         AreaTexts& texts) {
    return AreaSettingsDialog::run(area, number, texts, m_parent);
}

bool AppDocumentDialogs::createGuides(int, int, GuideValues&) {
    return false;
}

DocumentDialogs::ExistingAreas AppDocumentDialogs::areasExisting() {
    return ExistingAreas::Cancel;
}

QString AppDocumentDialogs::chooseImageFile(const QString& startPath) {
    return ImageFileDialog::choose(startPath, m_parent);
}

bool AppDocumentDialogs::missingImage(const QByteArray& imageFile) {
    return MissingImageDialog::ask(imageFile, m_parent);
}

bool AppDocumentDialogs::runNewMapWizard(NewMap&) {
    return false;
}

bool AppDocumentDialogs::runImageWizard(QString& imagePath) {
    return ImageWizard::run(imagePath, m_parent);
}

bool AppDocumentDialogs::chooseMap(const QList<MapChoice>& maps, QByteArray& chosenName) {
    return MultipleMapsDialog::choose(maps, chosenName, m_parent);
}

bool AppDocumentDialogs::chooseSavePath(SaveAs& request) {
    return SaveMapDialog::choose(request, m_parent);
}

bool AppDocumentDialogs::confirmSaved(const QString& text) {
    return SavedDialog::ask(text, m_parent);
}
