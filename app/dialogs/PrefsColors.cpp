#include "app/dialogs/PrefsColors.h"

#include "model/ColorRef.h"
#include "model/Strings.h"
#include "view/AreaStyle.h"
#include "view/ColorPicker.h"
#include "view/ColorSampleOCX.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

// Draws each hatch list item as the page's hatchItem in the fill colour of
// the moment.
class HatchItemDelegate : public QStyledItemDelegate {
public:
    HatchItemDelegate(const CColorPicker& fill, QObject* parent)
        : QStyledItemDelegate(parent), m_fill(fill) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        painter->drawImage(option.rect.topLeft(),
                           CPrefsColors::hatchItem(index.row(), m_fill.color(), selected));
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {CPrefsColors::kItemWidth, CPrefsColors::kItemHeight};
    }

private:
    const CColorPicker& m_fill;
};

} // namespace

CPrefsColors::CPrefsColors(const Settings& source, QWidget* parent) : PrefPage(source, parent) {
    buildStates();
    buildFill();
}

void CPrefsColors::buildStates() {
    auto* grid = new QGridLayout;
    const int labels[3] = {Str::PrefsDefaultColor, Str::PrefsSelectedColor, Str::PrefsFlybyColor};
    const char* names[3] = {"default", "selected", "flyby"};
    for (int s = 0; s < 3; ++s) {
        grid->addWidget(new QLabel(Strings::text(labels[s]), this), s, 0);
        for (int which = 0; which < 2; ++which) {
            auto* button = new CColorPicker(this);
            button->setObjectName(QLatin1String(names[s]) +
                                  (which ? QStringLiteral("Back") : QStringLiteral("Color")));
            button->setToolTip(
                Strings::text(which ? Str::PrefsBackColorTip : Str::PrefsLineColorTip));
            button->setAccessibleName(Strings::text(labels[s]) + QStringLiteral(": ") +
                                      button->toolTip());
            connect(button, &CColorPicker::colorChosen, this, &CPrefsColors::refreshSamples);
            m_pairs[s][which] = button;
            grid->addWidget(button, s, 1 + which);
        }
        m_samples[s] = new CColorSampleOCX(this);
        m_samples[s]->setObjectName(QLatin1String(names[s]) + QStringLiteral("Sample"));
        grid->addWidget(m_samples[s], s, 3);
    }
    grid->setColumnStretch(4, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
}

void CPrefsColors::buildFill() {
    auto* group = new QGroupBox(Strings::text(Str::PrefsFill), this);
    m_fillArea = new QCheckBox(Strings::text(Str::PrefsFillEnabled), group);
    m_fillArea->setObjectName(QStringLiteral("fillArea"));
    m_fillColor = new CColorPicker(group);
    m_fillColor->setObjectName(QStringLiteral("fillColor"));
    m_fillColor->setToolTip(Strings::text(Str::PrefsFillColorTip));
    m_fillColor->setAccessibleName(m_fillColor->toolTip());
    m_hatch = new QListWidget(group);
    m_hatch->setObjectName(QStringLiteral("hatchList"));
    m_hatch->setAccessibleName(group->title());
    m_hatch->setItemDelegate(new HatchItemDelegate(*m_fillColor, m_hatch));
    for (int style = 0; style < kHatchStyles; ++style)
        m_hatch->addItem(QString());
    const int frame = 2 * m_hatch->frameWidth();
    m_hatch->setFixedSize(kItemWidth + frame, kHatchStyles * kItemHeight + frame);
    m_hatch->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_hatch->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_hatch, &QListWidget::currentRowChanged, this, &CPrefsColors::refreshSamples);
    connect(m_fillColor, &CColorPicker::colorChosen, this, &CPrefsColors::refreshSamples);

    auto* row = new QHBoxLayout(group);
    row->addWidget(m_fillArea, 0, Qt::AlignTop);
    row->addWidget(m_hatch);
    row->addWidget(m_fillColor, 0, Qt::AlignTop);
    row->addStretch(1);
    // Tab goes along the row as it reads: the box, the list, the colour.
    setTabOrder(m_fillArea, m_hatch);
    setTabOrder(m_hatch, m_fillColor);
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->addWidget(group);
    layout->addStretch(1);
}

QImage CPrefsColors::hatchItem(int style, ColorRef color, bool selected) {
    QImage item(kItemWidth, kItemHeight, QImage::Format_RGB32);
    item.fill(selected ? Qt::black : Qt::white);
    const ColorRef shown = selected ? 0xffffff - (color & 0xffffff) : color;
    QPainter painter(&item);
    painter.fillRect(item.rect(), QBrush(colorOfColorRef(shown), AreaStyle::hatchStyle(style)));
    return item;
}

void CPrefsColors::load(const Settings& in) {
    const ColorRef pairs[3][2] = {{in.defaultColor, in.defaultBack},
                                  {in.selectedColor, in.selectedBack},
                                  {in.flybyColor, in.flybyBack}};
    for (int s = 0; s < 3; ++s) {
        for (int which = 0; which < 2; ++which)
            m_pairs[s][which]->setColor(pairs[s][which]);
    }
    m_fillArea->setChecked(in.fillArea);
    m_fillColor->setColor(in.fillColor);
    // A stored style out of range shows as the one it draws with.
    const int style = in.fillType >= 0 && in.fillType < kHatchStyles ? in.fillType : 5;
    m_hatch->setCurrentRow(style);
    refreshSamples();
}

void CPrefsColors::store(Settings& out) {
    out.defaultColor = m_pairs[0][0]->color();
    out.defaultBack = m_pairs[0][1]->color();
    out.selectedColor = m_pairs[1][0]->color();
    out.selectedBack = m_pairs[1][1]->color();
    out.flybyColor = m_pairs[2][0]->color();
    out.flybyBack = m_pairs[2][1]->color();
    out.fillColor = m_fillColor->color();
    out.fillArea = m_fillArea->isChecked();
    out.fillType = m_hatch->currentRow();
}

void CPrefsColors::refreshSamples() {
    for (int s = 0; s < 3; ++s) {
        m_samples[s]->setForeColor(m_pairs[s][0]->color());
        m_samples[s]->setBackColor(m_pairs[s][1]->color());
    }
    m_fillColor->setHatchStyle(m_hatch->currentRow());
    m_hatch->viewport()->update();
}
