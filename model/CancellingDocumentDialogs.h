#pragma once

#include "model/DocumentDialogs.h"

// Document dialogs that never open: each answers as the user cancelling it
// would. What a document without dialogs gets; tests and the command-line
// tool derive from it and answer the dialogs they script.
class CancellingDocumentDialogs : public DocumentDialogs {
public:
    bool editMapInfo(MapInfo&, const QString&) override { return false; }
    AreaChoice editArea(const MapArea&, int, AreaTexts&) override { return AreaChoice::Cancel; }
    bool editAreas(const std::vector<const MapArea*>&, AreaTextsChange&) override { return false; }
    bool createGuides(int, int, GuideValues&) override { return false; }
    ExistingAreas areasExisting() override { return ExistingAreas::Cancel; }
    QString chooseImageFile(const QString&) override { return {}; }
    bool missingImage(const QByteArray&) override { return false; }
    bool runNewMapWizard(NewMap&) override { return false; }
    bool runImageWizard(QString&) override { return false; }
    bool chooseMap(const QList<MapChoice>&, int&) override { return false; }
    bool chooseSavePath(SaveAs&) override { return false; }
    bool confirmSaved(const QString&) override { return false; }
};
