#pragma once

#include "model/ClickTargets.h"
#include "view/PictureStretch.h"

#include <QDialog>

class CImageMapDoc;
class LoadedImage;
class QLineEdit;
class QScrollBar;

// "Test Map" (dialog 228): the map's picture at 1:1 in a window grown to
// the screen, and a URL field that shows, for the picture pixel under the
// mouse, what a visitor's click there would follow (ClickTargets): the
// area's URL, the default URL on the picture outside every area, nothing
// off the picture. Nothing can be edited; "&Done" closes it.
//
// The picture sits in an image frame, inset by kInset pixels on each side
// and centred when smaller than the room left. A picture wider than that
// room gets a horizontal scroll bar below the frame, a higher one a
// vertical bar at its right (each bar taking room from the other's
// direction); their ranges reach the picture's last column and row, line
// steps move by 1 and page steps by kPageStep.
//
// The window works on copies: the document's areas and its map view are
// neither read again nor changed while it is open.
class TestMapWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kInset = 4;
    static constexpr int kPageStep = 16;

    // picture may be null (a map without one): nothing shows.
    TestMapWindow(const LoadedImage* picture, ClickTargets targets, QWidget* parent = nullptr);
    ~TestMapWindow() override;

    // "Test Map..." on a map: the introduction (unless "NeverShowWarn" is
    // set), then this window, modal, over the map's picture and areas.
    static void run(const CImageMapDoc& doc, QWidget* parent);

    // The target shown: an area index, ClickTargets::kNoArea or
    // ClickTargets::kOutsidePicture.
    int target() const { return m_target; }
    QString shownUrl() const;
    // Where the picture shows, in image frame coordinates.
    QRect imageRect() const;
    QWidget* imageFrame() const { return m_frame; }
    // The widget the picture is painted in (at imageRect()).
    QWidget* pictureWidget() const { return m_picture; }
    QScrollBar* horizontalBar() const { return m_hbar; }
    QScrollBar* verticalBar() const { return m_vbar; }
    QPoint scrollPosition() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSize pictureSize() const;
    void layoutFrame();
    void paintPicture(const QRect& exposed);
    void pointAt(QPoint inPicture);
    void pointOff();
    void scrolled();
    void showTarget(int target);

    const LoadedImage* m_image;
    ClickTargets m_targets;
    PictureStretch m_stretch;
    QWidget* m_frame;
    QWidget* m_picture;
    QScrollBar* m_hbar;
    QScrollBar* m_vbar;
    QLineEdit* m_url;
    int m_target = ClickTargets::kOutsidePicture;
    bool m_grown = false;
};
