#include "wizards/PlacementDialog.h"

#include "model/MapText.h"
#include "model/Strings.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

PlacementDialog::PlacementDialog(const QString& htmlPath, const PageSummary& page,
                                 const QByteArray& mapName, const QString& imagePath,
                                 int insertOffset, QWidget* parent)
    : QDialog(parent), m_values(page, mapName), m_htmlPath(htmlPath), m_imagePath(imagePath),
      m_insertOffset(insertOffset), m_list(new QTreeWidget(this)) {
    setWindowTitle(Strings::text(Str::PlacementTitle));
    auto* layout = new QVBoxLayout(this);
    auto* facts = new QFormLayout;
    facts->addRow(Strings::text(Str::HtmlFileLabel),
                  new QLabel(QDir::toNativeSeparators(htmlPath), this));
    facts->addRow(Strings::text(Str::ImageFileLabel),
                  new QLabel(QDir::toNativeSeparators(imagePath), this));
    facts->addRow(Strings::text(Str::MapNameLabel), new QLabel(MapText::toDisplay(mapName), this));
    layout->addLayout(facts);
    layout->addWidget(new QLabel(Strings::text(Str::PlacementPrompt), this));

    m_list->setColumnCount(2);
    m_list->setHeaderLabels(
        {Strings::text(Str::ColumnImageName), Strings::text(Str::ColumnMapName)});
    m_list->setRootIsDecorated(false);
    m_list->header()->setSectionResizeMode(QHeaderView::Stretch);
    for (const PlacementValues::Row& row : m_values.rows())
        new QTreeWidgetItem(m_list, {MapText::toDisplay(row.image), MapText::toDisplay(row.map)});
    layout->addWidget(m_list, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_addImage =
        buttons->addButton(Strings::text(Str::AddImageButton), QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_addImage, &QPushButton::clicked, this, &PlacementDialog::addImage);
    const auto refresh = [this] {
        m_ok->setEnabled(m_values.canAccept(m_list->indexOfTopLevelItem(m_list->currentItem())));
    };
    connect(m_list, &QTreeWidget::currentItemChanged, this, refresh);
    refresh();
    resize(480, 360);
}

void PlacementDialog::accept() {
    if (m_values.accept(m_list->indexOfTopLevelItem(m_list->currentItem())))
        QDialog::accept();
}

void PlacementDialog::addImage() {
    QString image = m_imagePath;
    int offset = m_insertOffset;
    if (InsertPointDialog::run(InsertPointDialog::Mode::AddImageAndMap, m_htmlPath, image, offset,
                               {}, this) &&
        m_values.acceptAdded(offset))
        QDialog::accept();
}
