#include "app/dialogs/AppDocumentDialogs.h"

#include "app/dialogs/ImageFileDialog.h"
#include "app/dialogs/MissingImageDialog.h"
#include "app/dialogs/MultipleMapsDialog.h"
#include "app/dialogs/SaveMapDialog.h"
#include "app/dialogs/SavedDialog.h"
#include "model/Settings.h"
#include "view/AreaSettingsDialog.h"
#include "view/AreasExistingDialog.h"
#include "view/CreateGuidesDialog.h"
#include "view/MapSettingsDialog.h"
#include "view/SeveralAreasDialog.h"
#include "wizards/ImageWizard.h"
#include "wizards/NewMapWizard.h"

#include <QFileInfo>

bool AppDocumentDialogs::editMapInfo(MapInfo& info, const QString& mapPath) {
    return MapSettingsDialog::run(info, mapPath, m_parent);
}

DocumentDialogs::AreaChoice AppDocumentDialogs::editArea(const MapArea& area, int number,
                                                         AreaTexts& texts) {
    return AreaSettingsDialog::run(area, number, texts, m_parent);
}

bool AppDocumentDialogs::editAreas(const std::vector<const MapArea*>& areas,
                                   AreaTextsChange& change) {
    return SeveralAreasDialog::run(areas, change, m_parent);
}

bool AppDocumentDialogs::createGuides(int imageWidth, int imageHeight, GuideValues& values) {
    return CreateGuidesDialog::run(imageWidth, imageHeight, values, m_parent);
}

DocumentDialogs::ExistingAreas AppDocumentDialogs::areasExisting() {
    return AreasExistingDialog::ask(m_parent);
}

QString AppDocumentDialogs::chooseImageFile(const QString& startPath) {
    return ImageFileDialog::choose(startPath, m_parent);
}

bool AppDocumentDialogs::missingImage(const QByteArray& imageFile) {
    return MissingImageDialog::ask(imageFile, m_parent);
}

bool AppDocumentDialogs::runNewMapWizard(NewMap& result) {
    const auto browse = [this](const QString& start) {
        const QString chosen = ImageFileDialog::choose(start, m_parent);
        if (!chosen.isEmpty())
            Settings::app().lastImageFolder = QFileInfo(chosen).absolutePath();
        return chosen;
    };
    return NewMapWizard::run(result, browse, m_parent);
}

bool AppDocumentDialogs::runImageWizard(QString& imagePath) {
    return ImageWizard::run(imagePath, m_parent);
}

bool AppDocumentDialogs::chooseMap(const QList<MapChoice>& maps, int& chosen) {
    return MultipleMapsDialog::choose(maps, chosen, m_parent);
}

bool AppDocumentDialogs::chooseSavePath(SaveAs& request) {
    return SaveMapDialog::choose(request, m_parent);
}

bool AppDocumentDialogs::confirmSaved(const QString& text) {
    return SavedDialog::ask(text, m_parent);
}
