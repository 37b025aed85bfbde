#include "view/SeveralAreasDialog.h"

#include "model/MapArea.h"
#include "model/Strings.h"
#include "view/AreaSettingsDialog.h"
#include "view/MapTextEdit.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

const QByteArray& fieldOf(const AreaTexts& t, int field) {
    switch (field) {
    case SeveralAreasDialog::Url:
        return t.url;
    case SeveralAreasDialog::Target:
        return t.target;
    case SeveralAreasDialog::Comment:
        return t.comment;
    default:
        return t.title;
    }
}

} // namespace

SeveralAreasDialog::SeveralAreasDialog(const std::vector<const MapArea*>& areas, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("severalAreasSettings"));
    setWindowTitle(Strings::format(Str::AreasSettingsCaption, int(areas.size())));
    auto* layout = new QVBoxLayout(this);
    const char* const names[] = {"url", "target", "comment", "title"};
    const int labels[] = {Str::AreaUrlLabel, Str::AreaTargetLabel, Str::AreaCommentLabel,
                          Str::AreaTitleLabel};
    for (int f = 0; f < 4; ++f) {
        bool same = !areas.empty();
        for (const MapArea* a : areas)
            same = same && fieldOf(a->texts(), f) == fieldOf(areas.front()->texts(), f);
        m_shared[std::size_t(f)] = same ? fieldOf(areas.front()->texts(), f) : QByteArray();
        QLineEdit* edit = MapTextEdit::create(names[f], m_shared[std::size_t(f)], this);
        edit->setMaxLength(qMax(AreaSettingsDialog::kMaxText, int(edit->text().size())));
        if (!same)
            edit->setPlaceholderText(Strings::text(Str::SeveralValues));
        auto* label = new QLabel(Strings::text(labels[f]), this);
        label->setBuddy(edit);
        layout->addWidget(label);
        layout->addWidget(edit);
        m_edits[std::size_t(f)] = edit;
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(420);
    m_edits[Url]->setFocus();
}

// A field counts as changed once the user edited it, even back to what
// it showed: the user typed it for all the areas.
AreaTextsChange SeveralAreasDialog::change() const {
    AreaTextsChange change;
    std::optional<QByteArray>* fields[] = {&change.url, &change.target, &change.comment,
                                           &change.title};
    for (int f = 0; f < 4; ++f) {
        const QLineEdit* edit = m_edits[std::size_t(f)];
        if (edit->isModified())
            *fields[f] = MapTextEdit::edited(edit->text(), m_shared[std::size_t(f)]);
    }
    return change;
}

bool SeveralAreasDialog::run(const std::vector<const MapArea*>& areas, AreaTextsChange& change,
                             QWidget* parent) {
    SeveralAreasDialog dialog(areas, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    change = dialog.change();
    return true;
}
