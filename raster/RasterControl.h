#pragma once

#include "raster/ImageProbe.h"

#include <QByteArray>
#include <QImage>
#include <QVariant>
#include <QWidget>

class DispatchArgs;

// The raster display component: a widget that holds one picture and paints
// it at its own size from the top left corner, over the button colour. Everything is
// reached through dispatch() by the ids of RasterDispid, with the argument
// orders listed there; CRastel is the typed wrapper the editor uses.
//
// Every member returns a 16-bit status, 0 for success (RasterStatus). The
// picture handed out (GetPicture) belongs to the caller as much as to the
// component: it is an implicitly shared QImage, so the caller may keep,
// change or drop it whatever becomes of the component, and no pixels are
// copied unless one side changes them. Byte arrays given to the component
// are read during the call only.
class RasterControl : public QWidget {
    Q_OBJECT
public:
    enum class Access { Method, Get, Put };

    explicit RasterControl(QWidget* parent = nullptr);

    // Runs member dispid: a method call with its arguments, a property get
    // (no arguments; the value goes to result) or a property put (the value
    // as the one argument). A method's result, if it has one, goes to
    // result. Arguments convert as DispatchArgs allows.
    quint16 dispatch(int dispid, Access access, const QVariantList& args = {},
                     QVariant* result = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    quint16 get(int dispid, QVariant* result) const;
    quint16 put(int dispid, const DispatchArgs& args);
    quint16 call(int dispid, const DispatchArgs& args, QVariant* result);
    quint16 callFeed(int dispid, const DispatchArgs& args);
    quint16 callPicture(int dispid, const DispatchArgs& args, QVariant* result);

    quint16 queryFile(const QString& path);
    quint16 loadMemory(const QByteArray& data, qint32 size);
    quint16 startFeedLoad();
    quint16 feedLoad(const QByteArray& chunk, qint32 length);
    quint16 stopFeedLoad();
    quint16 picture(QVariant* result) const;
    quint16 takeDecoded(const QByteArray& data);

    // The decoded picture, top-down, as it is handed out and painted.
    QImage m_picture;
    bool m_painting = true;
    ImageProbe::Info m_info; // of the last file query
    QByteArray m_feed;       // the fed file so far
    bool m_feeding = false;
};
