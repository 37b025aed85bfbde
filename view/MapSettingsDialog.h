#pragma once

#include "model/MapInfo.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

// "Settings for this Mapfile" (dialog 217): the map's file and picture
// (shown only), and its title (required), author, default URL (suggested),
// description and whether the page scales the map with its picture. OK with an empty title says
// 7053 "Client Side Image Maps (CSIMs) require a title!" and the dialog stays open.
class MapSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // mapPath: the map's file, "<untitled>" when empty.
    MapSettingsDialog(const MapInfo& info, const QString& mapPath, QWidget* parent = nullptr);

    // The map information with title, author, default URL and description
    // as edited; a field left as shown keeps its bytes. The description is
    // one paragraph in a page: line breaks typed into it become blanks.
    MapInfo edited() const;

    // Shows the dialog; true on OK with info edited.
    static bool run(MapInfo& info, const QString& mapPath, QWidget* parent = nullptr);

public slots:
    void accept() override;

private:
    MapInfo m_info;
    QLineEdit* m_title;
    QLineEdit* m_author;
    QLineEdit* m_defaultUrl;
    QPlainTextEdit* m_description;
    QCheckBox* m_scales;
    QCheckBox* m_highlights;
};
