#pragma once

#include "wizards/PageSummary.h"

#include <QString>

// "New map in existing HTML - Step 1": the HTML file chosen in the file
// browser and what it holds. Next needs a chosen file; a page without a
// closing BODY tag is refused there, since the map writer would replace it.
class PageChoiceValues {
public:
    // The file chosen in the list; empty for none. Reads and counts it.
    void choose(const QString& path);
    const QString& chosen() const { return m_path; }
    const PageSummary& summary() const { return m_summary; }
    bool canNext() const { return !m_path.isEmpty(); }
    // "Currently selected HTML file has ..." (empty while nothing is chosen).
    QString status() const;
    // Next: true to go on, with htmlPath set; a malformed page is told and stays.
    bool next(QString& htmlPath) const;

private:
    QString m_path;
    PageSummary m_summary;
};
