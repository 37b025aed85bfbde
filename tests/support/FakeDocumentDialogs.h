#pragma once

#include "model/CancellingDocumentDialogs.h"
#include "model/MapArea.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <optional>

// DocumentDialogs for tests: each dialog answers from a script given in
// advance (cancelling once the script is used up) and counts its calls.
class FakeDocumentDialogs : public CancellingDocumentDialogs {
public:
    // Create Guides: each entry is one showing; nullopt cancels.
    QList<std::optional<GuideValues>> guides;
    QList<ExistingAreas> existing;
    // Map and area settings edit their copies with these; unset cancels.
    std::function<bool(MapInfo&)> mapInfo;
    std::function<AreaChoice(AreaTexts&)> area;
    QList<QString> imageFiles; // answers of the image file dialog
    bool missingImageAnswer = false;
    std::optional<NewMap> newMapWizard;
    std::optional<QString> imageWizard;

    // "Multiple Maps in HTML File": the row to choose; unset cancels.
    std::optional<int> mapChoice;
    // Save As: edits the request and returns OK; unset cancels.
    std::function<bool(SaveAs&)> saveAs;
    bool dontShowSavedAgain = false; // the saved confirmation's tick

    QList<MapChoice> mapChoicesShown;
    QList<SaveAs> saveAsShown;
    QStringList savedTexts;
    int guidesShown = 0;
    int existingShown = 0;
    int areaShown = 0;
    int lastAreaNumber = 0;
    QList<QString> imageFileStarts;
    QList<QByteArray> missingImageNames; // the names "Missing Image" was shown for

    bool editMapInfo(MapInfo& info, const QString&) override { return mapInfo && mapInfo(info); }
    // Area Settings over several areas: the change to answer with; unset
    // cancels.
    std::optional<AreaTextsChange> severalAreas;
    int severalShown = 0;
    bool editAreas(const std::vector<const MapArea*>&, AreaTextsChange& change) override {
        ++severalShown;
        if (!severalAreas)
            return false;
        change = *severalAreas;
        return true;
    }
    AreaChoice editArea(const MapArea&, int number, AreaTexts& texts) override {
        ++areaShown;
        lastAreaNumber = number;
        return area ? area(texts) : AreaChoice::Cancel;
    }
    bool createGuides(int, int, GuideValues& values) override {
        ++guidesShown;
        if (guides.isEmpty() || !guides.first())
            return false;
        values = *guides.takeFirst();
        return true;
    }
    ExistingAreas areasExisting() override {
        ++existingShown;
        return existing.isEmpty() ? ExistingAreas::Cancel : existing.takeFirst();
    }
    QString chooseImageFile(const QString& startPath) override {
        imageFileStarts << startPath;
        return imageFiles.isEmpty() ? QString() : imageFiles.takeFirst();
    }
    bool missingImage(const QByteArray& imageFile) override {
        missingImageNames << imageFile;
        return missingImageAnswer;
    }
    bool runNewMapWizard(NewMap& result) override {
        if (!newMapWizard)
            return false;
        result = *newMapWizard;
        return true;
    }
    bool runImageWizard(QString& imagePath) override {
        if (!imageWizard)
            return false;
        imagePath = *imageWizard;
        return true;
    }
    bool chooseMap(const QList<MapChoice>& maps, int& chosen) override {
        mapChoicesShown = maps;
        if (!mapChoice)
            return false;
        chosen = *mapChoice;
        return true;
    }
    bool chooseSavePath(SaveAs& request) override {
        saveAsShown << request;
        return saveAs && saveAs(request);
    }
    bool confirmSaved(const QString& text) override {
        savedTexts << text;
        return dontShowSavedAgain;
    }
};
