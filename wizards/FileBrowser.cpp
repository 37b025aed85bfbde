#include "wizards/FileBrowser.h"

#include "model/Strings.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListView>
#include <QTreeView>

namespace {

QStringList patternsOf(FileBrowser::Kind kind) {
    if (kind == FileBrowser::Kind::Html)
        return {QStringLiteral("*.*htm*")};
    return {QStringLiteral("*.*gif*"), QStringLiteral("*.*jpg*"), QStringLiteral("*.*jpe*"),
            QStringLiteral("*.*png*"), QStringLiteral("*.*pin*")};
}

} // namespace

FileBrowser::FileBrowser(QWidget* parent)
    : QWidget(parent), m_folders(new QFileSystemModel(this)), m_files(new QFileSystemModel(this)),
      m_tree(new QTreeView(this)), m_list(new QListView(this)) {
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_folders->setRootPath(QDir::rootPath());
    m_tree->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->header()->hide();
    m_tree->setAccessibleName(Strings::text(Str::BrowserFolders));

    m_files->setFilter(QDir::Files);
    m_files->setNameFilterDisables(false);
    m_list->setModel(m_files);
    m_list->setAccessibleName(Strings::text(Str::BrowserFiles));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree, 1);
    layout->addWidget(m_list, 1);

    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) { onFolderActivated(index); });
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) { onFileActivated(index); });
    connect(m_files, &QFileSystemModel::directoryLoaded, this, [this] { highlightChosen(); });
    // The tree fills in the background too, and every folder loaded above
    // the shown one moves it down: it is brought into view again each time.
    connect(m_folders, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
        QString above = QDir::cleanPath(loaded);
        if (!above.endsWith(QLatin1Char('/')))
            above += QLatin1Char('/');
        if ((m_folder + QLatin1Char('/')).startsWith(above))
            revealFolder();
    });
    // Rows that arrive or are sorted after a folder loaded move it too,
    // without another load to tell of it.
    connect(m_folders, &QFileSystemModel::rowsInserted, this, [this] { revealFolder(); });
    connect(m_folders, &QFileSystemModel::layoutChanged, this, [this] { revealFolder(); });
    setKind(Kind::Html);
}

bool FileBrowser::isOfKind(const QString& fileName, Kind kind) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (kind == Kind::Html)
        return suffix.contains(QLatin1String("htm"));
    for (const char* mark : {"gif", "jpg", "jpe", "png", "pin"}) {
        if (suffix.contains(QLatin1String(mark)))
            return true;
    }
    return false;
}

void FileBrowser::setKind(Kind kind) {
    m_kind = kind;
    // The patterns match the extension anywhere after the last dot; the
    // exact rule is isOfKind's, which the chosen file must pass.
    m_files->setNameFilters(patternsOf(kind));
    if (!m_file.isEmpty() && !isOfKind(m_file, kind))
        chooseFile({});
}

bool FileBrowser::openAt(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return false;
    if (info.isDir()) {
        showFolder(info.absoluteFilePath());
        return true;
    }
    showFolder(info.absolutePath());
    if (isOfKind(info.fileName(), m_kind))
        chooseFile(info.absoluteFilePath());
    return true;
}

void FileBrowser::showFolder(const QString& folder) {
    const QString clean = QDir::cleanPath(folder);
    if (clean != m_folder) {
        m_folder = clean;
        m_list->setRootIndex(m_files->setRootPath(clean));
        const QModelIndex treeIndex = m_folders->index(clean);
        if (treeIndex.isValid()) {
            QSignalBlocker block(m_tree->selectionModel());
            m_tree->setCurrentIndex(treeIndex);
        }
        revealFolder();
        emit folderChanged(clean);
    }
    if (!m_file.isEmpty() && QFileInfo(m_file).absolutePath() != m_folder)
        chooseFile({});
}

void FileBrowser::revealFolder() {
    const QModelIndex index = m_folders->index(m_folder);
    if (index.isValid())
        m_tree->scrollTo(index);
}

void FileBrowser::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Scrolling before the tree had a size did not reach the folder.
    revealFolder();
}

void FileBrowser::chooseFile(const QString& path) {
    if (path == m_file)
        return;
    m_file = path;
    highlightChosen();
    emit fileChosen(m_file);
}

void FileBrowser::onFolderActivated(const QModelIndex& index) {
    if (index.isValid())
        showFolder(m_folders->filePath(index));
}

void FileBrowser::onFileActivated(const QModelIndex& index) {
    const QString path = index.isValid() ? m_files->filePath(index) : QString();
    chooseFile(!path.isEmpty() && isOfKind(path, m_kind) ? path : QString());
}

// The list fills in the background: the chosen file is marked once it is there.
void FileBrowser::highlightChosen() {
    const QModelIndex index = m_file.isEmpty() ? QModelIndex() : m_files->index(m_file);
    QSignalBlocker block(m_list->selectionModel());
    if (index.isValid())
        m_list->setCurrentIndex(index);
    else
        m_list->clearSelection();
}
