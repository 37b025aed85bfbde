#pragma once

#include <QString>

// "Brand New HTML file - Step 1": the folder and name of the page. The name
// must end in ".htm" or ".html" (".htm" is added otherwise). A file of that
// name that exists is used only when the user agrees, and never when it is
// a page without a closing BODY tag, which the map writer would replace.
class NewPageValues {
public:
    void setFolder(const QString& folder) { m_folder = folder; }
    const QString& folder() const { return m_folder; }
    void setName(const QString& name) { m_name = name.trimmed(); }
    const QString& name() const { return m_name; }

    // A name without folder parts.
    bool canNext() const;
    // The page's full path: folder, name and, when needed, ".htm".
    QString path() const;
    // Next: true with htmlPath set; false to stay.
    bool next(QString& htmlPath) const;

private:
    QString m_folder;
    QString m_name;
};
