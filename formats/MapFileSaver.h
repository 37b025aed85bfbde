#pragma once

#include "model/OperationResult.h"

#include <QByteArray>
#include <QString>

#include <memory>

class HtmlMapWriter;
class MapArea;
class PageFile;
struct MapInfo;

// The one path by which pages are written: reads the old page whole, lets
// HtmlMapWriter build the new text from it, and replaces the file through a
// PageFile, so that the file holds either its old bytes or the whole new
// page. Each step returns its result; a failure carries the message the
// user is to be shown, and the saver tells nobody itself.
//
// Calling order: open, begin, writeArea per area, writeDefault, commit.
class MapFileSaver {
public:
    // file: how the page reaches the disk; null uses a PageFile of the
    // saver's own. Not owned.
    explicit MapFileSaver(PageFile* file = nullptr);
    ~MapFileSaver();
    MapFileSaver(const MapFileSaver&) = delete;
    MapFileSaver& operator=(const MapFileSaver&) = delete;

    // Refuses a target that is write-protected (its owner-write bit is
    // clear), a folder or not a regular file ("The file %s is not a
    // writable file.", NotWritable), and reads an existing page whole
    // (PageUnreadable when that fails). A missing or empty file opens with
    // an empty old text.
    OperationResult open(const QString& path);
    // False when the page is one the writer would replace whole although it
    // holds other text: a page without "</BODY>" that does not hold the
    // map ("This HTML file is malformed...", MalformedPage). The page is
    // then left as it was, and the save must end.
    OperationResult begin(const MapInfo& info, int insertOffset = -1);
    // The IMG tag of the old page the user chose for the map (offset of its
    // "<"), -1 for none; called before begin (HtmlMapWriter::setChosenImgTag).
    void setChosenImgTag(qsizetype offset) { m_chosenImgTag = offset; }
    void writeArea(const MapArea& area);
    // The default area, unless the default URL is empty or only the lead.
    void writeDefault(const MapInfo& info);
    // Ends the page and replaces the file. On failure the old file is left
    // byte for byte; the result names the failed step (CreateFailed,
    // WriteFailed, ReplaceFailed) with its error number, and the file and
    // the system's words for the error as its detail.
    OperationResult commit();

    bool isOpen() const { return m_open; }

private:
    PageFile& file();

    QString m_path;
    QByteArray m_old;
    std::unique_ptr<HtmlMapWriter> m_writer;
    PageFile* m_file;
    std::unique_ptr<PageFile> m_ownFile;
    bool m_open = false;
    qsizetype m_chosenImgTag = -1;
};
