#include "view/MapSettingsDialog.h"

#include "model/LabelText.h"
#include "model/MapText.h"
#include "model/Prompter.h"
#include "model/Strings.h"
#include "view/MapTextEdit.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <utility>

namespace {

QWidget* withNote(QWidget* field, int noteId, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field, 1);
    layout->addWidget(new QLabel(Strings::text(noteId), row));
    return row;
}

QLabel* shown(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

MapSettingsDialog::MapSettingsDialog(const MapInfo& info, const QString& mapPath, QWidget* parent)
    : QDialog(parent), m_info(info) {
    setObjectName(QStringLiteral("mapSettings"));
    setWindowTitle(Strings::text(Str::MapSettingsTitle));

    auto* form = new QFormLayout;
    form->addRow(
        Strings::text(Str::MapFilenameLabel),
        shown(mapPath.isEmpty() ? Strings::text(Str::UntitledMap) : mapPath, "filename", this));
    form->addRow(Strings::text(Str::MapImageNameLabel),
                 shown(QFile::decodeName(info.imageFile), "imageName", this));
    m_title = MapTextEdit::create("title", info.title, this);
    m_author = MapTextEdit::create("author", info.author, this);
    m_defaultUrl = MapTextEdit::create("defaultUrl", info.defaultUrl, this);
    m_description = new QPlainTextEdit(MapText::toDisplay(info.description), this);
    m_description->setObjectName(QStringLiteral("description"));
    m_description->setTabChangesFocus(true);
    QWidget* titleRow = withNote(m_title, Str::MapRequiredNote, this);
    QWidget* defaultUrlRow = withNote(m_defaultUrl, Str::MapSuggestedNote, this);
    form->addRow(Strings::text(Str::MapTitleLabel), titleRow);
    form->addRow(Strings::text(Str::MapAuthorLabel), m_author);
    form->addRow(Strings::text(Str::MapDefaultUrlLabel), defaultUrlRow);
    // The labels of the rows with a note name the edits, not their rows:
    // their mnemonics move the focus there and screen readers read them.
    for (auto [row, edit] : {std::pair<QWidget*, QWidget*>{titleRow, m_title},
                             std::pair<QWidget*, QWidget*>{defaultUrlRow, m_defaultUrl}}) {
        if (auto* label = qobject_cast<QLabel*>(form->labelForField(row))) {
            label->setBuddy(edit);
            // A buddy names its edit for assistive technology only when
            // both share a parent; these edits sit inside their rows.
            edit->setAccessibleName(LabelText::spoken(label->text()));
        }
    }
    form->addRow(Strings::text(Str::MapDescriptionLabel), m_description);
    m_scales = new QCheckBox(Strings::text(Str::MapScalesWithPicture), this);
    m_scales->setObjectName(QStringLiteral("scalesWithPicture"));
    m_scales->setChecked(info.scalesWithPicture);
    form->addRow(m_scales);
    m_highlights = new QCheckBox(Strings::text(Str::MapHighlightAreas), this);
    m_highlights->setObjectName(QStringLiteral("highlightsAreas"));
    m_highlights->setChecked(info.highlightsAreas);
    form->addRow(m_highlights);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &MapSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(460);
    m_title->setFocus();
}

MapInfo MapSettingsDialog::edited() const {
    MapInfo info = m_info;
    info.title = MapTextEdit::edited(m_title->text(), m_info.title);
    info.author = MapTextEdit::edited(m_author->text(), m_info.author);
    info.defaultUrl = MapTextEdit::edited(m_defaultUrl->text(), m_info.defaultUrl);
    QString description = m_description->toPlainText();
    description.replace(QLatin1Char('\n'), QLatin1Char(' '));
    info.description = MapTextEdit::edited(description, m_info.description);
    info.scalesWithPicture = m_scales->isChecked();
    info.highlightsAreas = m_highlights->isChecked();
    return info;
}

void MapSettingsDialog::accept() {
    if (m_title->text().isEmpty()) {
        Prompter::current().tell(Strings::text(Str::MapTitleRequired), Prompter::Icon::Exclamation);
        m_title->setFocus();
        return;
    }
    QDialog::accept();
}

bool MapSettingsDialog::run(MapInfo& info, const QString& mapPath, QWidget* parent) {
    MapSettingsDialog dialog(info, mapPath, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    info = dialog.edited();
    return true;
}
