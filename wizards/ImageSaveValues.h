#pragma once

#include <QString>

// The Image wizard's save page without its widgets: the file name and the
// picture format, each following the other by the extension table (GIF:
// .gif; JPEG: .jpg, .jpeg; PNG: .png, .ping; case ignored).
class ImageSaveValues {
public:
    enum Format { Gif = 0, Jpeg = 1, Png = 2 };

    const QString& name() const { return m_name; }
    Format format() const { return m_format; }
    bool canFinish() const { return !m_name.trimmed().isEmpty(); }

    // A typed or picked name; the format follows its extension when the
    // table knows it.
    void setName(const QString& name);
    // A format radio: the name's extension becomes the format's first one
    // unless it already is one of the format's two.
    void setFormat(Format format);
    // Finish's settling: format from the name, then the name from the format.
    void settle();
    // The file in folder (a separator added when missing); a full path as is.
    QString fullPath(const QString& folder) const;
    // The raster component's format code (GIF 2, JPEG 10, PNG 75).
    qint16 formatCode() const;

private:
    QString m_name;
    Format m_format = Gif;
};
