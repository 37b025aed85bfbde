#pragma once

#include "model/CommandIds.h"
#include "model/DocumentDialogs.h"

class QWidget;

// The dialogs of document operations in the running editor, opened over the
// main frame: map and area settings, the image file dialog and "Missing
// Image", "Multiple Maps in HTML File", the Save As prompt and the saved
// confirmation, the Image wizard. Create Guides, "Areas Existing" and the
// New Map wizard are not built yet: they answer as cancelled, and
// opensDialogsOf keeps the commands that would open them disabled.
class AppDocumentDialogs : public DocumentDialogs {
public:
    explicit AppDocumentDialogs(QWidget* parent) : m_parent(parent) {}

    // Whether the editor has the dialogs that command id opens; the
    // commands of dialogs still missing stay disabled.
    static bool opensDialogsOf(CommandId id);

    bool editMapInfo(MapInfo& info, const QString& mapPath) override;
    AreaChoice editArea(const MapArea& area, int number, AreaTexts& texts) override;
    bool createGuides(int imageWidth, int imageHeight, GuideValues& values) override;
    ExistingAreas areasExisting() override;
    QString chooseImageFile(const QString& startPath) override;
    bool missingImage(const QByteArray& imageFile) override;
    bool runNewMapWizard(NewMap& result) override;
    bool runImageWizard(QString& imagePath) override;
    bool chooseMap(const QList<MapChoice>& maps, QByteArray& chosenName) override;
    bool chooseSavePath(SaveAs& request) override;
    bool confirmSaved(const QString& text) override;

private:
    QWidget* m_parent;
};
