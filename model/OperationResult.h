#pragma once

#include "model/Prompter.h"

#include <QString>
#include <QStringList>

// What an operation on a map's files came to: Open, Save, Save As, Change
// Image and the page writer return one. A failure carries its code, the
// message the user is shown and, when there is one, a detail for the line
// below it (the reader's reason, the system's words for an error). The
// editor shows it through the Prompter, the command-line tool prints it;
// nobody learns what happened from a message's text.
class OperationResult {
public:
    enum class Code {
        Done,
        // The user gave up at a question or a dialog: nothing to tell.
        Cancelled,
        // Open: the map file is not there; it is there but cannot be read;
        // it was read but holds no map that opens (the reader's reason, when
        // it knows one, is the detail).
        MapFileMissing,
        MapFileUnreadable,
        MapUnreadable,
        // The map's picture was not found or did not load; whatever was
        // wrong with it has been told on the way.
        PictureNotLoaded,
        // Change Image: the chosen file is there but gives no picture.
        PictureUnreadable,
        // Save: several areas lack a URL; the name is not a page's; the map
        // was not read whole and the target is the page it came from.
        AreasMissingUrls,
        NotAPageName,
        LossySave,
        // The page writer: the target is not a writable file; the old page
        // cannot be read; it holds other text but no place for the map; the
        // new page could not be created, written or put in the old one's
        // place (the file and the system's reason are the detail).
        NotWritable,
        PageUnreadable,
        MalformedPage,
        CreateFailed,
        WriteFailed,
        ReplaceFailed,
    };

    OperationResult() = default;
    static OperationResult done() { return {}; }
    static OperationResult cancelled() { return OperationResult(Code::Cancelled, {}, {}); }
    static OperationResult failure(Code code, const QString& message, const QString& detail = {}) {
        return OperationResult(code, message, detail);
    }

    bool ok() const { return m_code == Code::Done; }
    explicit operator bool() const { return ok(); }
    Code code() const { return m_code; }
    const QString& message() const { return m_message; }
    const QString& detail() const { return m_detail; }

    // Whether there is anything to tell: a failure the user did not ask for.
    bool needsTelling() const { return !ok() && !m_message.isEmpty(); }
    // The message with the detail on the line below it, as the message box
    // shows them.
    QString text() const;
    // The text's lines, trimmed, without empty ones (the command-line
    // tool's lines on standard error).
    QStringList lines() const;
    // The box's icon: Stop for a save refused outright, Exclamation for
    // everything else.
    Prompter::Icon icon() const;
    // Shows the text through the current Prompter when there is anything
    // to tell.
    void tell() const;

private:
    OperationResult(Code code, const QString& message, const QString& detail)
        : m_code(code), m_message(message), m_detail(detail) {}

    Code m_code = Code::Done;
    QString m_message;
    QString m_detail;
};
