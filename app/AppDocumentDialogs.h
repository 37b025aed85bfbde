#pragma once

#include "model/DocumentDialogs.h"

class QWidget;

// The dialogs of document operations in the running editor, opened over the
// main frame. Each dialog's window comes with the part of the editor that
// owns it; until then its method answers as a cancelled dialog does.
class AppDocumentDialogs : public DocumentDialogs {
public:
    explicit AppDocumentDialogs(QWidget* parent) : m_parent(parent) {}

    bool editMapInfo(MapInfo& info, const QString& mapPath) override;
    AreaChoice editArea(const MapArea& area, int number, AreaTexts& texts) override;
    bool createGuides(int imageWidth, int imageHeight, GuideValues& values) override;
    ExistingAreas areasExisting() override;
    QString chooseImageFile(const QString& startPath) override;
    bool missingImage(const QByteArray& imageFile) override;
    bool runNewMapWizard(NewMap& result) override;
    bool runImageWizard(QString& imagePath) override;

    QWidget* parentWidget() const { return m_parent; }

private:
    QWidget* m_parent;
};
