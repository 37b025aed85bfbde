#include "app/dialogs/RecoverMapsDialog.h"

#include "model/Strings.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QTreeWidgetItem* itemOf(const AppDialogs::RecoveryRow& row) {
    auto* item = new QTreeWidgetItem;
    if (row.recoverable) {
        item->setText(0, row.title);
        item->setText(1, row.page);
        item->setText(2, row.picture);
        item->setText(3, QLocale().toString(row.areas));
        item->setText(4, QLocale().toString(row.time.toLocalTime(), QLocale::ShortFormat));
        item->setCheckState(0, Qt::Checked);
    } else {
        const QByteArray reason = row.reason.toUtf8();
        item->setText(0, QString::asprintf(Strings::raw(Str::RecoverCannot), reason.constData()));
        item->setFirstColumnSpanned(true);
        item->setCheckState(0, Qt::Unchecked);
    }
    return item;
}

} // namespace

RecoverMapsDialog::RecoverMapsDialog(const QList<AppDialogs::RecoveryRow>& rows, QWidget* parent)
    : QDialog(parent), m_list(new QTreeWidget(this)) {
    setWindowTitle(Strings::text(Str::RecoverMapsTitle));
    auto* layout = new QVBoxLayout(this);
    auto* lead = new QLabel(Strings::text(Str::RecoverMapsLead), this);
    lead->setWordWrap(true);
    layout->addWidget(lead);

    m_list->setObjectName(QStringLiteral("copies"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels(
        {Strings::text(Str::RecoverColumnMap), Strings::text(Str::RecoverColumnPage),
         Strings::text(Str::RecoverColumnPicture), Strings::text(Str::RecoverColumnAreas),
         Strings::text(Str::RecoverColumnTime)});
    for (const AppDialogs::RecoveryRow& row : rows)
        m_list->addTopLevelItem(itemOf(row));
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->setMinimumWidth(560);
    layout->addWidget(m_list);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* recover =
        buttons->addButton(Strings::text(Str::RecoverButton), QDialogButtonBox::AcceptRole);
    QPushButton* remove = buttons->addButton(Strings::text(Str::RecoverDeleteButton),
                                             QDialogButtonBox::DestructiveRole);
    QPushButton* later =
        buttons->addButton(Strings::text(Str::RecoverLaterButton), QDialogButtonBox::RejectRole);
    recover->setObjectName(QStringLiteral("recover"));
    remove->setObjectName(QStringLiteral("delete"));
    later->setObjectName(QStringLiteral("later"));
    recover->setDefault(true);
    connect(recover, &QPushButton::clicked, this, [this] {
        m_action = AppDialogs::RecoveryAction::Recover;
        accept();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        m_action = AppDialogs::RecoveryAction::Delete;
        accept();
    });
    connect(later, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
}

AppDialogs::RecoveryAction RecoverMapsDialog::run() {
    m_action = AppDialogs::RecoveryAction::Later;
    if (exec() != QDialog::Accepted)
        return AppDialogs::RecoveryAction::Later;
    return m_action;
}

QList<int> RecoverMapsDialog::checkedRows() const {
    QList<int> rows;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        if (m_list->topLevelItem(i)->checkState(0) == Qt::Checked)
            rows << i;
    }
    return rows;
}
