#include "app/dialogs/MultipleMapsDialog.h"

#include "model/MapText.h"
#include "model/Strings.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

MultipleMapsDialog::MultipleMapsDialog(const QList<DocumentDialogs::MapChoice>& maps,
                                       QWidget* parent)
    : QDialog(parent), m_list(new QTreeWidget(this)) {
    setWindowTitle(Strings::text(Str::MultipleMapsTitle));
    m_list->setObjectName(QStringLiteral("maps"));
    m_list->setRootIsDecorated(false);
    m_list->setColumnCount(2);
    m_list->setHeaderLabels(
        {Strings::text(Str::MultipleMapsName), Strings::text(Str::MultipleMapsGraphic)});
    m_list->header()->setSectionResizeMode(QHeaderView::Stretch);
    for (const DocumentDialogs::MapChoice& map : maps) {
        m_list->addTopLevelItem(
            new QTreeWidgetItem({MapText::toDisplay(map.name), MapText::toDisplay(map.graphic)}));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_ok->setEnabled(chosen() >= 0); });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    m_ok->setEnabled(chosen() >= 0);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Strings::text(Str::MultipleMapsPrompt), this));
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(460, 280);
}

int MultipleMapsDialog::chosen() const {
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->indexOfTopLevelItem(selected.first());
}

bool MultipleMapsDialog::choose(const QList<DocumentDialogs::MapChoice>& maps, int& chosen,
                                QWidget* parent) {
    MultipleMapsDialog dialog(maps, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.chosen() < 0)
        return false;
    chosen = dialog.chosen();
    return true;
}
