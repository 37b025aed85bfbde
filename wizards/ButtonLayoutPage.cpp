#include "wizards/ButtonLayoutPage.h"

#include "model/LabelText.h"
#include "model/Strings.h"
#include "wizards/ButtonImageBuilder.h"
#include "wizards/ImageColorsDialog.h"
#include "wizards/ImageSpacingDialog.h"
#include "wizards/ImageWizard.h"

#include <QFontDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableWidget>

#include <cmath>

namespace {

constexpr int kCellWidth = 100; // 1,500 twips
constexpr int kCellHeight = 48; // 720 twips
const int kTitles[] = {Str::ImgWizBarTitle, Str::ImgWizMenuTitle, Str::ImgWizGridTitle};

// The caption grid, telling whether a caption is being typed: no preview
// is drawn then.
class CaptionGrid : public QTableWidget {
public:
    using QTableWidget::QTableWidget;
    bool editing() const { return state() == QAbstractItemView::EditingState; }
};

QSpinBox* countBox(QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(LayoutValues::kMinCount, LayoutValues::kMaxCount);
    return box;
}

} // namespace

ButtonLayoutPage::ButtonLayoutPage(ImageWizard* wizard, LayoutValues::Kind kind)
    : QWizardPage(wizard), m_wizard(wizard), m_kind(kind), m_grid(new CaptionGrid(this)),
      m_columns(countBox(this)), m_rows(countBox(this)), m_preview(new QLabel(this)),
      m_tooLarge(new QLabel(this)) {
    setTitle(Strings::text(kTitles[kind]));
    m_grid->horizontalHeader()->setDefaultSectionSize(kCellWidth);
    m_grid->verticalHeader()->setDefaultSectionSize(kCellHeight);
    m_grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    auto* columnsLabel = new QLabel(Strings::text(Str::ImgWizColumns), this);
    auto* rowsLabel = new QLabel(Strings::text(Str::ImgWizRows), this);
    columnsLabel->setBuddy(m_columns);
    rowsLabel->setBuddy(m_rows);
    m_grid->setAccessibleName(Strings::text(Str::ImgWizCaptionGrid));
    columnsLabel->setVisible(values().columnsEditable());
    m_columns->setVisible(values().columnsEditable());
    rowsLabel->setVisible(values().rowsEditable());
    m_rows->setVisible(values().rowsEditable());
    auto* font = new QPushButton(Strings::text(Str::ImgWizFont), this);
    auto* colors = new QPushButton(Strings::text(Str::ImgWizColors), this);
    auto* spacing = new QPushButton(Strings::text(Str::ImgWizSpacing), this);
    auto* previewArea = new QScrollArea(this);
    previewArea->setWidget(m_preview);
    previewArea->setWidgetResizable(false);
    previewArea->setMinimumHeight(90);
    previewArea->setAccessibleName(LabelText::spoken(Strings::text(Str::ImgWizPreview)));
    m_tooLarge->setWordWrap(true);
    m_tooLarge->setText(Strings::text(Str::ImgWizTooLarge).arg(ButtonImageBuilder::kMaxImageSide));
    m_tooLarge->hide();

    auto* counts = new QHBoxLayout;
    counts->addWidget(columnsLabel);
    counts->addWidget(m_columns);
    counts->addWidget(rowsLabel);
    counts->addWidget(m_rows);
    counts->addStretch();
    counts->addWidget(font);
    counts->addWidget(colors);
    counts->addWidget(spacing);
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_grid, 0, 0);
    layout->addLayout(counts, 1, 0);
    layout->addWidget(new QLabel(Strings::text(Str::ImgWizPreview), this), 2, 0);
    layout->addWidget(previewArea, 3, 0);
    layout->addWidget(m_tooLarge, 4, 0);
    layout->setRowStretch(0, 1);

    m_timer.setSingleShot(true);
    m_timer.setInterval(kPreviewPause);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        // Never while a caption is being typed: the pause starts again.
        if (static_cast<CaptionGrid*>(m_grid)->editing())
            m_timer.start();
        else
            renderPreview();
    });
    connect(m_grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (m_filling)
            return;
        values().setCaption(item->column(), item->row(), item->text());
        changed();
    });
    connect(m_columns, &QSpinBox::valueChanged, this, &ButtonLayoutPage::setColumns);
    connect(m_rows, &QSpinBox::valueChanged, this, &ButtonLayoutPage::setRows);
    connect(font, &QPushButton::clicked, this, &ButtonLayoutPage::chooseFont);
    connect(colors, &QPushButton::clicked, this, &ButtonLayoutPage::chooseColors);
    connect(spacing, &QPushButton::clicked, this, &ButtonLayoutPage::chooseSpacing);
}

LayoutValues& ButtonLayoutPage::values() const {
    return m_wizard->layout(m_kind);
}

void ButtonLayoutPage::initializePage() {
    m_columns->setValue(values().columns());
    m_rows->setValue(values().rows());
    fillGrid();
    m_grid->setCurrentCell(0, 0);
    m_timer.start();
}

void ButtonLayoutPage::cleanupPage() {
    m_timer.stop();
}

void ButtonLayoutPage::fillGrid() {
    m_filling = true;
    m_grid->setColumnCount(values().columns());
    m_grid->setRowCount(values().rows());
    for (int r = 0; r < values().rows(); ++r)
        for (int c = 0; c < values().columns(); ++c)
            m_grid->setItem(r, c, new QTableWidgetItem(values().caption(c, r)));
    m_filling = false;
}

void ButtonLayoutPage::setColumns(int count) {
    if (count == values().columns())
        return;
    values().setColumnsText(QString::number(count));
    fillGrid();
    changed();
}

void ButtonLayoutPage::setRows(int count) {
    if (count == values().rows())
        return;
    values().setRowsText(QString::number(count));
    fillGrid();
    changed();
}

void ButtonLayoutPage::changed() {
    m_timer.start();
}

bool ButtonLayoutPage::draw(ButtonImageBuilder& builder) const {
    const ButtonPicture picture = values().picture(m_wizard->library().path(), QString());
    return picture.build(m_wizard->library(), m_wizard->styleIndex(), builder) ==
           ButtonPicture::Result::Ok;
}

bool ButtonLayoutPage::renderPreview() {
    m_timer.stop();
    ButtonImageBuilder builder;
    const bool fits = draw(builder);
    if (fits) {
        m_preview->setPixmap(QPixmap::fromImage(builder.image()));
        m_preview->resize(builder.image().size());
    }
    m_tooLarge->setVisible(!fits);
    if (fits != m_fits) {
        m_fits = fits;
        emit completeChanged();
    }
    return fits;
}

bool ButtonLayoutPage::isComplete() const {
    return m_fits;
}

bool ButtonLayoutPage::validatePage() {
    // A caption being typed was committed when Next took the focus.
    if (!renderPreview())
        return false;
    const ButtonStyle& style = m_wizard->library().styles()[m_wizard->styleIndex()];
    ButtonPicture& final = m_wizard->finalPicture();
    final = values().picture(m_wizard->library().path(), QString::fromUtf8(style.key));
    final.styleCaption = style.caption;
    return true;
}

int ButtonLayoutPage::nextId() const {
    return ImageWizard::SavePage;
}

void ButtonLayoutPage::chooseFont() {
    LayoutValues& v = values();
    QFont initial(v.font.family);
    initial.setPointSizeF(v.font.tenths / 10.0);
    initial.setBold(v.font.bold);
    initial.setItalic(v.font.italic);
    initial.setUnderline(v.font.underline);
    initial.setStrikeOut(v.font.strikeOut);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, this);
    if (ok) {
        v.font.family = chosen.family();
        v.font.tenths = int(std::lround(chosen.pointSizeF() * 10));
        v.font.bold = chosen.weight() == QFont::Bold;
        v.font.italic = chosen.italic();
        v.font.underline = chosen.underline();
        v.font.strikeOut = chosen.strikeOut();
    }
    changed();
}

void ButtonLayoutPage::chooseColors() {
    LayoutValues& v = values();
    ImageColorsDialog dialog(v.textColor, v.outlineColor, v.fillerColor, this);
    if (dialog.exec() == QDialog::Accepted) {
        v.textColor = dialog.textColor();
        v.outlineColor = dialog.outlineColor();
        v.fillerColor = dialog.fillerColor();
    }
    changed();
}

void ButtonLayoutPage::chooseSpacing() {
    LayoutValues& v = values();
    ImageSpacingDialog dialog(this);
    dialog.setValues(v.fillerColor, v.spacingX, v.spacingY, v.offsetX, v.offsetY);
    if (dialog.exec() == QDialog::Accepted) {
        v.fillerColor = dialog.fillerColor();
        v.spacingX = dialog.spacingX();
        v.spacingY = dialog.spacingY();
        v.offsetX = dialog.offsetX();
        v.offsetY = dialog.offsetY();
    }
    changed();
}
