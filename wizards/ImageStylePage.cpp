#include "wizards/ImageStylePage.h"

#include "model/LabelText.h"
#include "model/ProgramFolder.h"
#include "model/Settings.h"
#include "model/Strings.h"
#include "wizards/ButtonHelpDialog.h"
#include "wizards/ImageWizard.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr int kItemWidth = 196;
constexpr int kItemHeight = 38;

// Draws a style as its button (the library picture under the style's box,
// cut to its shape) at the item's left, the caption beside it.
class StyleDelegate : public QStyledItemDelegate {
public:
    StyleDelegate(const ButtonStyleLibrary& library, QObject* parent)
        : QStyledItemDelegate(parent), m_library(library) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& pal = option.palette;
        painter->fillRect(option.rect, selected ? pal.highlight() : pal.base());
        const int i = index.row();
        if (i < 0 || i >= m_library.styles().size())
            return;
        const ButtonStyle& style = m_library.styles()[i];
        const QRect box = style.box();
        const QPoint at = option.rect.topLeft() + QPoint(2, 2);
        painter->save();
        painter->setClipRect(option.rect);
        painter->setClipPath(m_library.shapeAtOrigin(i).translated(at), Qt::IntersectClip);
        painter->drawImage(at, m_library.picture(), box);
        painter->restore();
        const QRect text(option.rect.left() + box.width() + 6, option.rect.top(),
                         option.rect.width(), option.rect.height());
        painter->setPen(selected ? pal.highlightedText().color() : pal.text().color());
        painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          style.caption);
        if (option.state & QStyle::State_HasFocus)
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const override {
        const int i = index.row();
        const int height =
            i >= 0 && i < m_library.styles().size() ? m_library.styles()[i].box().height() + 4 : 0;
        return {kItemWidth, std::max(kItemHeight, height)};
    }

private:
    const ButtonStyleLibrary& m_library;
};

// A small picture of each kind: a row, a column or a grid of buttons.
QIcon kindIcon(int kind) {
    QPixmap pixmap(36, 28);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setBrush(QColor(60, 110, 200));
    painter.setPen(Qt::NoPen);
    const int columns = kind == 1 ? 1 : 3;
    const int rows = kind == 0 ? 1 : 3;
    const int w = kind == 1 ? 30 : 10, h = kind == 0 ? 12 : 7;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            painter.drawRect(3 + c * (w + 2), 14 - (rows * (h + 2)) / 2 + r * (h + 2), w, h);
    return QIcon(pixmap);
}

} // namespace

ImageStylePage::ImageStylePage(ImageWizard* wizard)
    : QWizardPage(wizard), m_wizard(wizard), m_styles(new QListWidget(this)),
      m_kinds(new QButtonGroup(this)), m_note(new QLabel(this)) {
    setTitle(Strings::text(Str::ImgWizStyleTitle));
    m_styles->setItemDelegate(new StyleDelegate(wizard->library(), m_styles));
    m_styles->setMinimumWidth(kItemWidth + 24);
    auto* label = new QLabel(Strings::text(Str::ImgWizStyleList), this);
    label->setBuddy(m_styles);
    // Views take no name from their label's buddy.
    m_styles->setAccessibleName(LabelText::spoken(label->text()));
    m_note->setWordWrap(true);
    m_note->hide();
    auto* other = new QPushButton(Strings::text(Str::ImgWizOtherImages), this);
    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_styles, 1, 0, 5, 1);
    grid->addWidget(m_note, 6, 0);
    grid->addWidget(other, 7, 0, Qt::AlignLeft);
    grid->addWidget(new QLabel(Strings::text(Str::ImgWizKindGroup), this), 0, 1, 1, 2);
    const int kindTexts[] = {Str::ImgWizKindBar, Str::ImgWizKindMenu, Str::ImgWizKindGrid};
    for (int kind = 0; kind < 3; ++kind) {
        auto* picture = new QToolButton(this);
        picture->setIcon(kindIcon(kind));
        picture->setIconSize(QSize(36, 28));
        picture->setAutoRaise(true);
        picture->setAccessibleName(LabelText::spoken(Strings::text(kindTexts[kind])));
        auto* radio = new QRadioButton(Strings::text(kindTexts[kind]), this);
        m_kinds->addButton(radio, kind);
        grid->addWidget(picture, 1 + kind, 1);
        grid->addWidget(radio, 1 + kind, 2);
        connect(picture, &QToolButton::clicked, this, [this, kind] { chooseKind(kind); });
    }
    grid->setRowStretch(5, 1);
    connect(m_kinds, &QButtonGroup::idClicked, this, &ImageStylePage::chooseKind);
    connect(m_styles, &QListWidget::currentRowChanged, this, [this](int row) {
        m_wizard->setStyleIndex(row);
        emit completeChanged();
    });
    connect(other, &QPushButton::clicked, this, &ImageStylePage::useOtherImages);
}

void ImageStylePage::initializePage() {
    if (m_loaded)
        return;
    m_loaded = true;
    loadLibrary(ButtonStyleLibrary::defaultPath(ProgramFolder::path()));
}

bool ImageStylePage::loadLibrary(const QString& path) {
    const bool loaded = m_wizard->library().load(path);
    m_wizard->setStyleIndex(-1);
    fillList();
    m_note->setText(Strings::text(Str::ImgWizNoLibrary).arg(QDir::toNativeSeparators(path)));
    m_note->setVisible(!loaded);
    emit completeChanged();
    return loaded;
}

void ImageStylePage::fillList() {
    m_styles->setUpdatesEnabled(false);
    m_styles->clear();
    for (const ButtonStyle& style : m_wizard->library().styles()) {
        auto* item = new QListWidgetItem(style.caption);
        item->setData(Qt::UserRole, 2000 + m_styles->count());
        m_styles->addItem(item);
    }
    m_styles->setCurrentRow(-1);
    m_styles->setUpdatesEnabled(true);
}

void ImageStylePage::chooseKind(int kind) {
    if (QAbstractButton* radio = m_kinds->button(kind))
        radio->setChecked(true);
    m_wizard->setKind(kind);
    emit completeChanged();
}

void ImageStylePage::useOtherImages() {
    if (!Settings::app().neverShowButtonRtf && !ButtonHelpDialog::show(this))
        return;
    const QString folder = QFileInfo(ButtonStyleLibrary::defaultPath(ProgramFolder::path())).path();
    const QString path = QFileDialog::getOpenFileName(this, QString(), folder,
                                                      Strings::text(Str::ImgWizLibraryFilter),
                                                      nullptr, QFileDialog::ReadOnly);
    if (!path.isEmpty())
        loadLibrary(path);
}

bool ImageStylePage::isComplete() const {
    const int style = m_wizard->styleIndex();
    return m_wizard->kind() >= 0 && style >= 0 && style < m_wizard->library().styles().size();
}

// QWizard decides once, on showing the page, whether it has a Next page: the
// answer must not wait for the choices, which only enable the button.
int ImageStylePage::nextId() const {
    return ImageWizard::BarPage + std::max(m_wizard->kind(), 0);
}
