#pragma once

#include <QtGlobal>

// The members of the raster display component, by dispatch id. Argument
// orders and result types are those of RasterControl::dispatch; CRastel
// gives each one a typed member.
namespace RasterDispid {
constexpr int Painting = 2;        // put/get, Boolean
constexpr int PictureWidth = 10;   // get, float
constexpr int PictureHeight = 11;  // get, float
constexpr int InfoWidth = 40;      // get, float: after QueryFile
constexpr int InfoHeight = 41;     // get, float
constexpr int InfoBits = 42;       // get, 16-bit: bits per pixel the picture is handed out with
constexpr int InfoFormat = 43;     // get, 16-bit: RasterFormat
constexpr int InfoSize = 44;       // get, 32-bit: file size in bytes
constexpr int Repaint = 146;       // ()
constexpr int GetPicture = 173;    // () -> the picture, a QImage shared with the caller
constexpr int QueryFile = 190;     // (path, 16-bit 0)
constexpr int StartFeedLoad = 215; // (16-bit 8, 16-bit 0)
constexpr int StopFeedLoad = 216;  // ()
constexpr int LoadMemory = 218;    // (bytes, 16-bit 0, 16-bit 0, 32-bit size)
constexpr int FeedLoad = 220;      // (bytes, 32-bit length)
} // namespace RasterDispid

// File format codes of QueryFile and of PictureCodec::write.
namespace RasterFormat {
constexpr qint16 Unknown = 0;
constexpr qint16 Gif = 2;
constexpr qint16 Jpeg = 10;
constexpr qint16 Png = 75;
} // namespace RasterFormat

// The 16-bit status every member returns: 0 is success, anything else a
// failure that callers treat alike. The values name the cause for tests and
// diagnostics only.
namespace RasterStatus {
constexpr quint16 Ok = 0;
constexpr quint16 UnknownMember = 1; // no such dispatch id, or not for this kind of access
constexpr quint16 BadArgCount = 2;   // wrong number of arguments
constexpr quint16 TypeMismatch = 3;  // an argument of a type that does not convert
constexpr quint16 BadArgument = 4;   // an argument out of its range
constexpr quint16 FileNotFound = 5;  // the file cannot be opened or read
constexpr quint16 FormatBad = 6;     // the bytes are not a picture the component reads
constexpr quint16 NoPicture = 7;     // the member needs a picture and there is none
constexpr quint16 NotFeeding = 8;    // a feed or its end without a fed load begun
constexpr quint16 WriteFailed = 9;   // the file could not be written; any old file is untouched
constexpr quint16 OutOfMemory = 10;  // the picture is too large to hold
constexpr quint16 NoControl = 11;    // CRastel: the component no longer exists
} // namespace RasterStatus
