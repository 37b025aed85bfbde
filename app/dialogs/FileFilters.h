#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

// Filters of the file dialogs, built from document template strings such
// as "JPG Files (*.jpg,*.jpeg)". Qt reads a filter's patterns from its last
// parentheses, separated by blanks, so the commas between patterns become
// blanks, and "*.*" (every file, with or without an extension) becomes "*".
class FileFilters {
public:
    // One filter per template string id, then "All Files".
    static QStringList fromTemplates(std::initializer_list<int> templateIds);
    // The image file dialog's: all images, GIF, JPG, PNG, then all files.
    static QStringList images();
    // One template text as a Qt filter.
    static QString filterOf(const QString& templateText);
};
