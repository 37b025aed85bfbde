#pragma once

#include "model/DocumentDialogs.h"

class QWidget;

// The dialogs of document operations in the running editor, opened over the
// main frame: map and area settings, the image file dialog and "Missing
// Image", "Multiple Maps in HTML File", Create Guides and "Areas Existing",
// the New Map wizard, the Image wizard, the Save As prompt and the saved
// confirmation.
class AppDocumentDialogs : public DocumentDialogs {
public:
    explicit AppDocumentDialogs(QWidget* parent) : m_parent(parent) {}

    bool editMapInfo(MapInfo& info, const QString& mapPath) override;
    AreaChoice editArea(const MapArea& area, int number, AreaTexts& texts) override;
    bool editAreas(const std::vector<const MapArea*>& areas, AreaTextsChange& change) override;
    bool createGuides(int imageWidth, int imageHeight, GuideValues& values) override;
    ExistingAreas areasExisting() override;
    QString chooseImageFile(const QString& startPath) override;
    bool missingImage(const QByteArray& imageFile) override;
    bool runNewMapWizard(NewMap& result) override;
    bool runImageWizard(QString& imagePath) override;
    bool chooseMap(const QList<MapChoice>& maps, int& chosen) override;
    bool chooseSavePath(SaveAs& request) override;
    bool confirmSaved(const QString& text) override;

private:
    QWidget* m_parent;
};
