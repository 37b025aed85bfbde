#include "wizards/NewMapPages.h"

#include "model/LabelText.h"
#include "model/MapText.h"
#include "model/Settings.h"
#include "model/Strings.h"
#include "model/UserFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Where a browser opens: the given path, else the remembered folder, else
// the user's documents.
void openBrowser(FileBrowser* browser, const QString& path, const QString& lastFolder) {
    if (!browser->openAt(path))
        browser->openAt(UserFolders::startFolder(lastFolder));
}

} // namespace

NewMapWizAA::NewMapWizAA(QWidget* parent)
    : NewMapPage(parent), m_existing(new QRadioButton(Strings::text(Str::WizChoiceExisting), this)),
      m_new(new QRadioButton(Strings::text(Str::WizChoiceNew), this)) {
    setTitle(Strings::text(Str::WizPageAA));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Strings::text(Str::WizIntro), this));
    layout->addWidget(m_existing);
    layout->addWidget(m_new);
    layout->addStretch();
    m_existing->setChecked(true);
}

bool NewMapWizAA::existingPage() const {
    return m_existing->isChecked();
}

void NewMapWizAA::choose(bool existingPage) {
    (existingPage ? m_existing : m_new)->setChecked(true);
}

NewMapWizAB::NewMapWizAB(QWidget* parent)
    : NewMapPage(parent), m_browser(new FileBrowser(this)), m_status(new QLabel(this)) {
    setTitle(Strings::text(Str::WizPageAB));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Strings::text(Str::ChoosePagePrompt), this));
    layout->addWidget(m_browser, 1);
    m_status->setWordWrap(true);
    layout->addWidget(m_status);
    connect(m_browser, &FileBrowser::fileChosen, this, [this](const QString& path) {
        m_values.choose(path);
        m_status->setText(m_values.status());
        emit completeChanged();
    });
}

void NewMapWizAB::initializePage() {
    m_values.choose({});
    m_status->clear();
    m_browser->setKind(FileBrowser::Kind::Html);
    openBrowser(m_browser, result().mapPath, Settings::app().lastMapFolder);
    m_values.choose(m_browser->chosenFile());
    m_status->setText(m_values.status());
}

bool NewMapWizAB::isComplete() const {
    return m_values.canNext();
}

bool NewMapWizAB::validatePage() {
    return m_values.next(result().mapPath);
}

QString NewMapWizAB::status() const {
    return m_status->text();
}

NewMapWizAC::NewMapWizAC(QWidget* parent)
    : NewMapPage(parent), m_list(new QTreeWidget(this)), m_preview(new QLabel(this)) {
    setTitle(Strings::text(Str::WizPageAC));
    auto* layout = new QVBoxLayout(this);
    m_list->setAccessibleName(LabelText::spoken(Strings::text(Str::ChooseImagePrompt)));
    layout->addWidget(new QLabel(Strings::text(Str::ChooseImagePrompt), this));
    m_list->setColumnCount(3);
    m_list->setHeaderLabels({Strings::text(Str::ColumnImageName), Strings::text(Str::ColumnMapName),
                             Strings::text(Str::ColumnSize)});
    m_list->setRootIsDecorated(false);
    m_list->setColumnWidth(0, 120);
    m_list->setColumnWidth(1, 110);
    m_list->setColumnWidth(2, 70);
    layout->addWidget(m_list, 1);
    m_preview->setMinimumHeight(96);
    m_preview->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_preview);
    auto* add = new QPushButton(Strings::text(Str::AddImageButton), this);
    layout->addWidget(add, 0, Qt::AlignLeft);
    connect(add, &QPushButton::clicked, this, &NewMapWizAC::addImage);
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this] {
        m_values.select(m_list->indexOfTopLevelItem(m_list->currentItem()));
        showPreview();
        emit completeChanged();
    });
}

void NewMapWizAC::initializePage() {
    m_values.load(result().mapPath);
    QSignalBlocker block(m_list);
    m_list->clear();
    for (int row = 0; row < m_values.rowCount(); ++row) {
        const PageSummary::Image& image = m_values.page().images[row];
        new QTreeWidgetItem(m_list, {MapText::toDisplay(image.src),
                                     MapText::toDisplay(image.mapName), m_values.sizeText(row)});
    }
    showPreview();
}

// The chosen picture fitted into the preview, keeping its proportions.
void NewMapWizAC::showPreview() {
    m_preview->clear();
    if (m_values.selected() < 0)
        return;
    QImageReader reader(m_values.resolvedPath(m_values.selected()));
    const QSize size = reader.size();
    if (!size.isValid())
        return;
    reader.setScaledSize(size.scaled(m_preview->size().boundedTo(size), Qt::KeepAspectRatio));
    m_preview->setPixmap(QPixmap::fromImage(reader.read()));
}

bool NewMapWizAC::isComplete() const {
    return m_values.canNext();
}

bool NewMapWizAC::validatePage() {
    if (!m_values.next(result()))
        return false;
    sheet().agreedMapName = m_values.agreedName();
    return true;
}

void NewMapWizAC::addImage() {
    QString image = result().insertOffset >= 0 ? result().imagePath : QString();
    int offset = result().insertOffset;
    if (!InsertPointDialog::run(InsertPointDialog::Mode::AddImage, result().mapPath, image, offset,
                                sheet().browse(), this))
        return;
    m_values.addImage(image, offset);
    emit completeChanged();
    wizard()->next();
}

NewMapWizName::NewMapWizName(int titleId, QWidget* parent)
    : NewMapPage(parent), m_facts(new QLabel(this)), m_name(new QLineEdit(this)),
      m_example(new QLabel(this)), m_refused(new QLabel(this)) {
    setTitle(Strings::text(titleId));
    auto* layout = new QVBoxLayout(this);
    m_facts->setWordWrap(true);
    m_facts->setTextFormat(Qt::PlainText);
    layout->addWidget(m_facts);
    auto* nameLabel = new QLabel(Strings::text(Str::MapNameLabel), this);
    nameLabel->setBuddy(m_name);
    layout->addWidget(nameLabel);
    layout->addWidget(m_name);
    m_example->setTextFormat(Qt::PlainText);
    layout->addWidget(m_example);
    auto* rule = new QLabel(Strings::text(Str::MapNameRule), this);
    rule->setWordWrap(true);
    layout->addWidget(rule);
    m_refused->setText(Strings::text(Str::MapNameRefused));
    layout->addWidget(m_refused);
    layout->addStretch();
    connect(m_name, &QLineEdit::textChanged, this, [this] {
        refresh();
        emit completeChanged();
    });
}

void NewMapWizName::initializePage() {
    m_values.setPage(PageSummary::read(result().mapPath));
    m_values.setAgreedName(sheet().agreedMapName);
    m_facts->setText(Strings::text(Str::HtmlFileLabel) + QLatin1Char(' ') +
                     QDir::toNativeSeparators(result().mapPath) + QLatin1Char('\n') +
                     Strings::text(Str::ImageFileLabel) + QLatin1Char(' ') +
                     QDir::toNativeSeparators(result().imagePath));
    m_name->setText(MapText::toDisplay(result().title));
    refresh();
}

void NewMapWizName::refresh() {
    m_values.setName(MapText::fromDisplay(m_name->text()));
    m_example->setText(m_values.example(result().imagePath));
    m_refused->setVisible(!m_name->text().isEmpty() && !m_values.canFinish());
}

bool NewMapWizName::isComplete() const {
    return m_values.canFinish();
}

bool NewMapWizName::validatePage() {
    if (!m_values.finish())
        return false;
    result().title = m_values.name();
    return true;
}

NewMapWizBB::NewMapWizBB(QWidget* parent)
    : NewMapPage(parent), m_browser(new FileBrowser(this)), m_name(new QLineEdit(this)) {
    setTitle(Strings::text(Str::WizPageBB));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Strings::text(Str::NewPagePrompt), this));
    layout->addWidget(m_browser, 1);
    auto* nameLabel = new QLabel(Strings::text(Str::PageFileNameLabel), this);
    nameLabel->setBuddy(m_name);
    layout->addWidget(nameLabel);
    layout->addWidget(m_name);
    connect(m_browser, &FileBrowser::fileChosen, this, [this](const QString& path) {
        if (!path.isEmpty())
            m_name->setText(QFileInfo(path).fileName());
    });
    connect(m_browser, &FileBrowser::folderChanged, this, [this](const QString& folder) {
        m_values.setFolder(folder);
        emit completeChanged();
    });
    connect(m_name, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_values.setName(text);
        emit completeChanged();
    });
}

void NewMapWizBB::initializePage() {
    m_browser->setKind(FileBrowser::Kind::Html);
    const QString path = result().mapPath;
    m_name->setText(QFileInfo(path).fileName());
    // A pending page that does not exist yet still names its folder.
    const QString folder = path.isEmpty() ? QString() : QFileInfo(path).absolutePath();
    if (!m_browser->openAt(path) && !m_browser->openAt(folder))
        openBrowser(m_browser, {}, Settings::app().lastMapFolder);
    m_values.setFolder(m_browser->folder());
}

bool NewMapWizBB::isComplete() const {
    return m_values.canNext();
}

bool NewMapWizBB::validatePage() {
    return m_values.next(result().mapPath);
}

NewMapWizBC::NewMapWizBC(QWidget* parent) : NewMapPage(parent), m_browser(new FileBrowser(this)) {
    setTitle(Strings::text(Str::WizPageBC));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Strings::text(Str::ChoosePicturePrompt), this));
    layout->addWidget(m_browser, 1);
    connect(m_browser, &FileBrowser::fileChosen, this, &QWizardPage::completeChanged);
}

void NewMapWizBC::initializePage() {
    m_browser->setKind(FileBrowser::Kind::Image);
    openBrowser(m_browser, result().imagePath, Settings::app().lastImageFolder);
}

bool NewMapWizBC::isComplete() const {
    return !m_browser->chosenFile().isEmpty();
}

bool NewMapWizBC::validatePage() {
    if (m_browser->chosenFile().isEmpty())
        return false;
    result().imagePath = m_browser->chosenFile();
    result().title = MapNameValues::nameOfPicture(result().imagePath);
    result().insertOffset = -1;
    result().imgTagOffset = -1;
    return true;
}
