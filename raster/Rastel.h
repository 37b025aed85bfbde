#pragma once

#include <QByteArray>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QVariant>

class QWidget;
class RasterControl;

// The typed wrapper through which the editor uses the raster display
// component: every member is one property access or method call by
// dispatch id (RasterDispid), with the argument orders the component
// expects. Methods return the component's 16-bit status, 0 for success;
// getters return 0 when the component cannot answer.
//
// A CRastel creates its component and destroys it with itself (or earlier,
// with the component's parent widget, after which every call fails with
// RasterStatus::NoControl). widget() is there to place, size, show or hide
// the component, not to reach its members.
class CRastel {
public:
    explicit CRastel(QWidget* parent = nullptr);
    ~CRastel();
    CRastel(const CRastel&) = delete;
    CRastel& operator=(const CRastel&) = delete;

    QWidget* widget() const;

    // 2: painting on or off (on at first).
    quint16 setPainting(bool on);

    // 10, 11: size of the picture held, in pixels.
    float pictureWidth() const;
    float pictureHeight() const;

    // 190: queries a file without decoding its pixels; fills the info
    // members below (40 to 44).
    quint16 queryFile(const QString& path, qint16 reserved = 0);
    float infoWidth() const;
    float infoHeight() const;
    // Bits per pixel the picture will be handed out with: 1, 4, 8 or 24.
    qint16 infoBits() const;
    // RasterFormat: 2 GIF, 10 JPEG, 75 PNG, 0 anything else.
    qint16 infoFormat() const;
    qint32 infoSize() const;

    // 215, 220, 216: a fed load. feedLoad takes the first length bytes of
    // chunk; stopFeedLoad decodes what was fed, 0 meaning a picture is ready.
    quint16 startFeedLoad(qint16 first = 8, qint16 second = 0);
    quint16 feedLoad(const QByteArray& chunk, qint32 length);
    quint16 stopFeedLoad();

    // 218: loads a whole file image from memory (its first size bytes).
    quint16 loadMemory(const QByteArray& image, qint32 size, qint16 first = 0, qint16 second = 0);

    // 173: the decoded picture, top-down, shared with the caller (no pixels
    // are copied); null without a picture.
    QImage picture();

    // 146: repaints.
    quint16 repaint();

private:
    quint16 call(int dispid, const QVariantList& args, QVariant* result = nullptr);
    quint16 put(int dispid, const QVariant& value);
    QVariant get(int dispid) const;

    QPointer<RasterControl> m_control;
};
