#include "view/AreaSettingsDialog.h"

#include "model/DefaultUrl.h"
#include "model/MapArea.h"
#include "model/MapText.h"
#include "model/Strings.h"
#include "view/MapTextEdit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

QString AreaSettingsDialog::kindText(const MapArea& area) {
    switch (area.shape()) {
    case AreaShape::Rectangle:
        return Strings::text(Str::KwRectangle);
    case AreaShape::Circle:
        return Strings::text(Str::KwCircle);
    case AreaShape::Polygon:
        return Strings::text(Str::KwPolygon);
    }
    return Strings::text(Str::AreaKindUnknown);
}

QString AreaSettingsDialog::positionText(const MapArea& area) {
    PixelRect r = area.imageRect();
    // A polygon's region box leaves out edge pixels whose centres lie
    // outside it; the page holds its points, so their box is shown.
    if (area.shape() == AreaShape::Polygon && area.vertexCount() > 0) {
        const QPoint first = area.vertex(0);
        r = PixelRect{first.x(), first.y(), first.x(), first.y()};
        for (int i = 1; i < area.vertexCount(); ++i) {
            const QPoint p = area.vertex(i);
            r = PixelRect{std::min(r.left, p.x()), std::min(r.top, p.y()), std::max(r.right, p.x()),
                          std::max(r.bottom, p.y())};
        }
    }
    return Strings::format(Str::AreaPositionFormat, r.left, r.top, r.right, r.bottom);
}

QString AreaSettingsDialog::dimensionsText(const MapArea& area) {
    const PixelRect r = area.imageRect();
    switch (area.shape()) {
    case AreaShape::Rectangle:
        return Strings::format(Str::AreaRectDimensions, r.right - r.left, r.bottom - r.top);
    case AreaShape::Circle:
        return Strings::format(Str::AreaCircleDimensions, (r.right - r.left) / 2,
                               (r.bottom - r.top) / 2);
    case AreaShape::Polygon:
        return Strings::format(Str::AreaPolygonDimensions, area.vertexCount());
    }
    return {};
}

AreaSettingsDialog::AreaSettingsDialog(const MapArea& area, int number, const AreaTexts& texts,
                                       QWidget* parent)
    : QDialog(parent), m_original(texts) {
    setObjectName(QStringLiteral("areaSettings"));
    setWindowTitle(Strings::format(Str::AreaSettingsCaption, number));

    auto* facts = new QFormLayout;
    const auto fact = [&](int label, const QString& text, const char* name) {
        auto* value = new QLabel(text, this);
        value->setObjectName(QLatin1String(name));
        facts->addRow(Strings::text(label), value);
    };
    fact(Str::AreaTypeLabel, kindText(area), "type");
    fact(Str::AreaPositionLabel, positionText(area), "position");
    fact(Str::AreaDimensionsLabel, dimensionsText(area), "dimensions");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(facts);
    const auto labelled = [&](int label, QLineEdit* edit) {
        auto* text = new QLabel(Strings::text(label), this);
        text->setBuddy(edit);
        layout->addWidget(text);
        layout->addWidget(edit);
    };
    // An area without a URL is offered the lead to complete.
    const QByteArray url = texts.url.isEmpty() ? DefaultUrl::lead() : texts.url;
    m_original.url = texts.url.isEmpty() ? url : texts.url;
    m_url = addEdit("url", url);
    m_target = addEdit("target", texts.target);
    m_comment = addEdit("comment", texts.comment);
    m_title = addEdit("title", texts.title);
    labelled(Str::AreaUrlLabel, m_url);
    labelled(Str::AreaTargetLabel, m_target);
    labelled(Str::AreaCommentLabel, m_comment);
    labelled(Str::AreaTitleLabel, m_title);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    QPushButton* erase =
        buttons->addButton(Strings::text(Str::AreaDeleteButton), QDialogButtonBox::DestructiveRole);
    erase->setObjectName(QStringLiteral("delete"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(erase, &QPushButton::clicked, this, [this] { done(kDeleted); });
    layout->addWidget(buttons);

    connect(m_url, &QLineEdit::textChanged, this, &AreaSettingsDialog::updateOk);
    updateOk();
    setMinimumWidth(420);
    m_url->setFocus();
    m_url->end(false);
}

QLineEdit* AreaSettingsDialog::addEdit(const char* name, const QByteArray& bytes) {
    QLineEdit* edit = MapTextEdit::create(name, bytes, this);
    // A longer text from a page is shown whole: cutting it would change it
    // on OK although nobody edited it.
    edit->setMaxLength(qMax(kMaxText, int(edit->text().size())));
    return edit;
}

void AreaSettingsDialog::updateOk() {
    // The lead alone is an offer to complete, not a URL.
    m_ok->setEnabled(DefaultUrl::isSet(MapText::fromDisplay(m_url->text())));
}

// The attributes the area kept from its page are not edited here and stay.
AreaTexts AreaSettingsDialog::texts() const {
    return {MapTextEdit::edited(m_url->text(), m_original.url),
            MapTextEdit::edited(m_target->text(), m_original.target),
            MapTextEdit::edited(m_comment->text(), m_original.comment),
            MapTextEdit::edited(m_title->text(), m_original.title), m_original.attributes};
}

DocumentDialogs::AreaChoice AreaSettingsDialog::run(const MapArea& area, int number,
                                                    AreaTexts& texts, QWidget* parent) {
    AreaSettingsDialog dialog(area, number, texts, parent);
    const int result = dialog.exec();
    if (result == kDeleted)
        return DocumentDialogs::AreaChoice::Delete;
    if (result != QDialog::Accepted)
        return DocumentDialogs::AreaChoice::Cancel;
    texts = dialog.texts();
    return DocumentDialogs::AreaChoice::Ok;
}
