#pragma once

#include "model/PictureSource.h"

#include <QByteArray>
#include <QList>
#include <QtEndian>

#include <optional>

// A PictureSource for tests: locating answers as scripted (by default the
// path it was given), loading gives a blank 24-bit picture of the scripted
// size, fails, or is cancelled. Records what it was asked.
class FakePictureSource : public PictureSource {
public:
    std::optional<QString> locateAnswer; // unset: keep the given path; empty: fail
    int width = 400;
    int height = 300;
    bool loadFails = false;
    bool loadCancels = false; // the user cancels every load

    QList<Location> locateRequests;
    QList<QString> loadRequests;

    bool locate(Location& where, DocumentDialogs&) override {
        locateRequests << where;
        if (!locateAnswer)
            return true;
        where.imagePath = *locateAnswer;
        return !where.imagePath.isEmpty();
    }
    std::unique_ptr<LoadedImage> load(const QString& path) override {
        loadRequests << path;
        if (loadFails || loadCancels)
            return nullptr;
        return LoadedImage::fromPackedDib(blankPicture(width, height));
    }
    bool lastLoadCancelled() const override { return loadCancels; }

    static QByteArray blankPicture(int w, int h) {
        const int stride = ((w * 24 + 31) / 32) * 4;
        QByteArray b(40 + stride * h, '\0');
        qToLittleEndian<qint32>(40, b.data());
        qToLittleEndian<qint32>(w, b.data() + 4);
        qToLittleEndian<qint32>(h, b.data() + 8);
        qToLittleEndian<quint16>(1, b.data() + 12);
        qToLittleEndian<quint16>(24, b.data() + 14);
        return b;
    }
};
