#include "view/CreateGuidesDialog.h"

#include "model/Strings.h"
#include "view/MapTextEdit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Labels and object names of the number edits, in GuideValues::numbers()
// order: width, height, horizontal and vertical spacing, left and top
// start, across, down.
struct NumberField {
    int label;
    const char* name;
};
constexpr std::array<NumberField, 8> kFields{{
    {Str::GuidesWidthLabel, "width"},
    {Str::GuidesHeightLabel, "height"},
    {Str::GuidesSpacingXLabel, "spacingX"},
    {Str::GuidesSpacingYLabel, "spacingY"},
    {Str::GuidesLeftStartLabel, "leftStart"},
    {Str::GuidesTopStartLabel, "topStart"},
    {Str::GuidesAcrossLabel, "across"},
    {Str::GuidesDownLabel, "down"},
}};
// The order the edits are laid out in: the grid first, then its place.
constexpr std::array<int, 8> kLayoutOrder{6, 7, 0, 1, 2, 3, 4, 5};

} // namespace

CreateGuidesDialog::CreateGuidesDialog(int imageWidth, int imageHeight, const GuideValues& start,
                                       QWidget* parent)
    : QDialog(parent), m_imageWidth(imageWidth), m_imageHeight(imageHeight),
      m_baseUrlBytes(start.baseUrl) {
    setObjectName(QStringLiteral("createGuides"));
    setWindowTitle(Strings::text(Str::GuidesTitle));
    const auto& numbers = GuideValues::numbers();
    auto* form = new QFormLayout;
    for (int i : kLayoutOrder) {
        auto* edit = new QLineEdit(QString::number(start.*numbers[i].value), this);
        edit->setObjectName(QLatin1String(kFields[i].name));
        edit->setMaxLength(GuideValues::kDigitsReadBack);
        m_numbers[i] = edit;
        auto* label = new QLabel(Strings::text(kFields[i].label), this);
        label->setBuddy(edit);
        form->addRow(label, edit);
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { numberEdited(edit); });
    }
    m_baseUrl = MapTextEdit::create("baseUrl", start.baseUrl, this);
    auto* urlLabel = new QLabel(Strings::text(Str::GuidesBaseUrlLabel), this);
    urlLabel->setBuddy(m_baseUrl);
    form->addRow(urlLabel, m_baseUrl);
    auto* size = new QLabel(GuideValues::imageSizeText(imageWidth, imageHeight), this);
    size->setObjectName(QStringLiteral("imageSize"));
    form->addRow(Strings::text(Str::GuidesImageSizeLabel), size);
    m_bounds = new QLabel(this);
    m_bounds->setObjectName(QStringLiteral("bounds"));
    form->addRow(Strings::text(Str::GuidesBoundsLabel), m_bounds);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    update();
}

void CreateGuidesDialog::numberEdited(QLineEdit* edit) {
    if (const std::optional<QString> digits = GuideValues::digitsOnly(edit->text())) {
        edit->setText(*digits); // comes back here with digits only
        return;
    }
    update();
}

GuideValues CreateGuidesDialog::values() const {
    GuideValues v;
    const auto& numbers = GuideValues::numbers();
    for (size_t i = 0; i < numbers.size(); ++i)
        v.*numbers[i].value = GuideValues::numberOf(m_numbers[i]->text());
    v.baseUrl = MapTextEdit::edited(m_baseUrl->text(), m_baseUrlBytes);
    return v;
}

bool CreateGuidesDialog::okEnabled() const {
    return m_ok->isEnabled();
}

void CreateGuidesDialog::update() {
    if (!m_bounds)
        return; // still being built
    const GuideValues v = values();
    const bool ok = v.acceptable(m_imageWidth, m_imageHeight);
    m_ok->setEnabled(ok);
    m_bounds->setText(v.boundsText());
    QPalette colours = palette();
    QColor text = colours.color(QPalette::WindowText);
    if (!ok)
        text.setRed(255 - text.red()); // red on the usual black text
    colours.setColor(QPalette::WindowText, text);
    m_bounds->setPalette(colours);
}

bool CreateGuidesDialog::run(int imageWidth, int imageHeight, GuideValues& values,
                             QWidget* parent) {
    CreateGuidesDialog dialog(imageWidth, imageHeight, GuideValues::load(), parent);
    if (dialog.exec() != QDialog::Accepted || !dialog.okEnabled())
        return false;
    values = dialog.values();
    values.store();
    return true;
}
