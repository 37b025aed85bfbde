#pragma once

#include <QString>

// The texts of image loading: the two lines of the "Loading Image" window,
// the image error message and the "Missing Image" question.
class ImageLoadTexts {
public:
    // Codes of the image error message.
    enum ErrorCode { NotFound = 0, EmptyName = 1, FormatBad = 2 };

    // "W by H, N colors": the queried size truncated to integers and the
    // number of colours the bits per pixel give (256 for 8 bits).
    static QString sizeLine(float width, float height, int bits);
    // "GIF format, N bytes long"; JPG, PNG or Unknown for other codes.
    static QString formatLine(qint16 formatCode, qint32 fileSize);
    static QString formatName(qint16 formatCode);
    // "Unable to open image file: " + the reason for code + " Press OK to
    // abort loading.". Codes other than 0 and 1 give the data format reason.
    static QString imageErrorText(int code);
    // "Unable to open image file: " and why a file that is there gives no
    // picture: the system's reason when it cannot be read, else the data
    // format reason.
    static QString unreadableText(const QString& systemReason);
    // The "Missing Image" question about the picture file fileName (a name
    // without its folder; may be empty).
    static QString missingImageText(const QString& fileName);
};
