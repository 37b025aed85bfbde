#pragma once

#include <QString>
#include <QWidget>

class QFileSystemModel;
class QListView;
class QModelIndex;
class QTreeView;

// The wizards' file picker: a tree of folders beside a list of the chosen
// folder's files, filtered by kind (HTML pages: extensions containing
// "htm"; pictures: "gif", "jpg", "jpe", "png" or "pin"). Paths are used
// whole, whatever their length.
class FileBrowser : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Html, Image };

    explicit FileBrowser(QWidget* parent = nullptr);

    void setKind(Kind kind);
    Kind kind() const { return m_kind; }
    // Whether a file name belongs to kind.
    static bool isOfKind(const QString& fileName, Kind kind);

    // Opens the tree at path: its folder when it names a file (which is
    // then chosen when it is of the browser's kind), the folder itself
    // otherwise. False when neither exists.
    bool openAt(const QString& path);
    // The folder shown in the list.
    const QString& folder() const { return m_folder; }
    // The chosen file's full path; empty for none.
    const QString& chosenFile() const { return m_file; }
    // The folder tree (tests).
    QTreeView* tree() const { return m_tree; }

signals:
    // The chosen file changed (empty: none).
    void fileChosen(const QString& path);
    void folderChanged(const QString& folder);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Scrolls the tree to the shown folder, its parents expanded.
    void revealFolder();
    void showFolder(const QString& folder);
    void chooseFile(const QString& path);
    void onFolderActivated(const QModelIndex& index);
    void onFileActivated(const QModelIndex& index);
    void highlightChosen();

    Kind m_kind = Kind::Html;
    QFileSystemModel* m_folders;
    QFileSystemModel* m_files;
    QTreeView* m_tree;
    QListView* m_list;
    QString m_folder;
    QString m_file;
};
