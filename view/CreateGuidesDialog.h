#pragma once

#include "model/GuideValues.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// "Create Guides" (dialog 222): the eight numbers of a grid of guide areas
// and their base URL, the picture's size, and the bounds the grid would
// cover. The numbers start from the values remembered in the settings and
// take digits only. OK is enabled only for a grid the picture can hold
// (GuideValues::acceptable); meanwhile the bounds are drawn in the window
// text colour with its red inverted. OK remembers the values.
class CreateGuidesDialog : public QDialog {
    Q_OBJECT
public:
    CreateGuidesDialog(int imageWidth, int imageHeight, const GuideValues& start,
                       QWidget* parent = nullptr);

    // The values the edits show.
    GuideValues values() const;
    bool okEnabled() const;

    // Shows the dialog over parent, starting from the remembered values:
    // true on OK with values set (and remembered), false on Cancel.
    static bool run(int imageWidth, int imageHeight, GuideValues& values,
                    QWidget* parent = nullptr);

private:
    void numberEdited(QLineEdit* edit);
    void update();

    int m_imageWidth;
    int m_imageHeight;
    std::array<QLineEdit*, 8> m_numbers{}; // in GuideValues::numbers() order
    QLineEdit* m_baseUrl = nullptr;
    QByteArray m_baseUrlBytes;
    QLabel* m_bounds = nullptr;
    QPushButton* m_ok = nullptr;
};
