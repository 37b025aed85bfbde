#pragma once

#include "raster/Rastel.h"

#include <QDialog>

class QLabel;

// The About box: a borderless window the size of the program's About picture,
// shown through the raster component (the GIF version on screens of fewer
// than 8 bits per pixel, the JPEG version otherwise), with "version " and the
// program's version over it. Any key or mouse click closes it.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    // The resource path of the picture for a screen of depth bits per pixel.
    static QString picturePath(int depth);
    static QString versionText();

    QSize pictureSize() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CRastel m_rastel;
    QLabel* m_version;
};
