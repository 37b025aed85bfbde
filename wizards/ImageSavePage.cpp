#include "wizards/ImageSavePage.h"

#include "model/Prompter.h"
#include "model/Settings.h"
#include "model/Strings.h"
#include "model/UserFolders.h"
#include "wizards/ButtonImageBuilder.h"
#include "wizards/FileBrowser.h"
#include "wizards/ImageWizard.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

ImageSavePage::ImageSavePage(ImageWizard* wizard)
    : QWizardPage(wizard), m_wizard(wizard), m_browser(new FileBrowser(this)),
      m_name(new QLineEdit(this)), m_formats(new QButtonGroup(this)), m_failure(new QLabel(this)) {
    setTitle(Strings::text(Str::ImgWizSaveTitle));
    setCommitPage(false);
    m_browser->setKind(FileBrowser::Kind::Image);
    auto* nameLabel = new QLabel(Strings::text(Str::ImgWizFileName), this);
    nameLabel->setBuddy(m_name);
    auto* formats = new QHBoxLayout;
    formats->addWidget(new QLabel(Strings::text(Str::ImgWizFormatGroup), this));
    const int texts[] = {Str::ImgWizFormatGif, Str::ImgWizFormatJpeg, Str::ImgWizFormatPng};
    for (int f = 0; f < 3; ++f) {
        auto* radio = new QRadioButton(Strings::text(texts[f]), this);
        m_formats->addButton(radio, f);
        formats->addWidget(radio);
    }
    formats->addStretch();
    m_formats->button(ImageSaveValues::Gif)->setChecked(true);
    m_failure->setObjectName(QStringLiteral("saveFailure"));
    m_failure->setWordWrap(true);
    m_failure->hide();
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_browser, 0, 0, 1, 2);
    layout->addWidget(nameLabel, 1, 0);
    layout->addWidget(m_name, 1, 1);
    layout->addLayout(formats, 2, 0, 1, 2);
    layout->addWidget(m_failure, 3, 0, 1, 2);
    layout->setRowStretch(0, 1);

    connect(m_browser, &FileBrowser::fileChosen, this, [this](const QString& path) {
        if (path.isEmpty())
            return;
        m_failure->hide();
        m_values.setName(QFileInfo(path).fileName());
        showName();
    });
    // A failure names the path that was tried: it goes once the path does.
    connect(m_browser, &FileBrowser::folderChanged, m_failure, &QWidget::hide);
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_failure->hide();
        m_values.setName(text);
        if (QAbstractButton* radio = m_formats->button(m_values.format()))
            radio->setChecked(true);
        emit completeChanged();
    });
    connect(m_formats, &QButtonGroup::idClicked, this, [this](int format) {
        m_values.setFormat(ImageSaveValues::Format(format));
        showName();
    });
}

void ImageSavePage::initializePage() {
    // The picture goes where the last one went; the process's current
    // folder is never changed for it.
    m_browser->openAt(UserFolders::startFolder(Settings::app().lastImageFolder));
    m_failure->hide();
}

void ImageSavePage::showName() {
    if (m_name->text() != m_values.name())
        m_name->setText(m_values.name());
    if (QAbstractButton* radio = m_formats->button(m_values.format()))
        radio->setChecked(true);
    emit completeChanged();
}

bool ImageSavePage::isComplete() const {
    return m_values.canFinish();
}

bool ImageSavePage::validatePage() {
    if (!m_values.canFinish())
        return false;
    m_values.settle();
    showName();
    const QString path = m_values.fullPath(m_browser->folder());
    if (QFileInfo::exists(path) &&
        !Prompter::askYes(Strings::text(Str::ImgWizOverwrite), Prompter::Icon::Question))
        return false;
    if (!save(path)) {
        m_failure->setText(
            Strings::text(Str::ImgWizSaveFailed).arg(QDir::toNativeSeparators(path)));
        m_failure->show();
        return false;
    }
    // The map of the new picture is saved beside it unless the user says
    // otherwise, so Save As starts there.
    Settings::app().lastImageFolder = QFileInfo(path).absolutePath();
    Settings::app().lastMapFolder = QFileInfo(path).absolutePath();
    m_wizard->setSavedImagePath(QFileInfo(path).absoluteFilePath());
    return true;
}

bool ImageSavePage::save(const QString& path) {
    ButtonImageBuilder builder;
    const ButtonPicture& picture = m_wizard->finalPicture();
    if (picture.build(m_wizard->library(), m_wizard->styleIndex(), builder) !=
        ButtonPicture::Result::Ok)
        return false;
    return ButtonPicture::write(builder, path, m_values.formatCode());
}
