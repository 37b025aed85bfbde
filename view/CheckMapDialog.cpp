#include "view/CheckMapDialog.h"

#include "model/Strings.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { AreaColumn, CodeColumn, MessageColumn };

} // namespace

CheckMapDialog::CheckMapDialog(const std::vector<MapFindings::Finding>& findings, QWidget* parent)
    : QDialog(parent), m_list(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("checkMap"));
    setWindowTitle(Strings::text(Str::CheckMapTitle));
    m_list->setObjectName(QStringLiteral("findings"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels({Strings::text(Str::CheckMapArea), Strings::text(Str::CheckMapCode),
                             Strings::text(Str::CheckMapMessage)});
    for (const MapFindings::Finding& f : findings) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(AreaColumn,
                      f.area > 0 ? QString::number(f.area) : Strings::text(Str::CheckMapWholeMap));
        item->setData(AreaColumn, Qt::UserRole, f.area);
        item->setText(CodeColumn, QString::fromLatin1(MapFindings::codeName(f.code)));
        item->setText(MessageColumn, f.message);
        item->setToolTip(MessageColumn, f.message);
    }
    m_list->resizeColumnToContents(AreaColumn);
    m_list->resizeColumnToContents(CodeColumn);
    connect(m_list, &QTreeWidget::itemActivated, this, &CheckMapDialog::choose);

    auto* hint = new QLabel(Strings::text(Str::CheckMapHint), this);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close =
        buttons->addButton(Strings::text(Str::CheckMapClose), QDialogButtonBox::RejectRole);
    close->setDefault(false);
    close->setAutoDefault(false); // Enter on a finding chooses it
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(hint);
    layout->addWidget(buttons);
    resize(640, 320);
}

void CheckMapDialog::choose(QTreeWidgetItem* item) {
    const int area = item ? item->data(AreaColumn, Qt::UserRole).toInt() : 0;
    if (area > 0)
        emit areaChosen(area - 1);
}
