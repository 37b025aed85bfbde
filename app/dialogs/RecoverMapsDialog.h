#pragma once

#include "app/dialogs/AppDialogs.h"

#include <QDialog>

class QTreeWidget;

// "Recover Maps": one row per recovery copy (map title, page or "New map",
// picture, number of areas, time of the copy), each with a check box; a copy
// that cannot be read shows why instead, and can only be deleted. "Recover"
// (the default) and "Delete" act on the checked rows, "Later" keeps every
// copy for the next start.
class RecoverMapsDialog : public QDialog {
    Q_OBJECT
public:
    explicit RecoverMapsDialog(const QList<AppDialogs::RecoveryRow>& rows,
                               QWidget* parent = nullptr);

    // Shows the dialog; Later when it is closed any other way.
    AppDialogs::RecoveryAction run();
    QList<int> checkedRows() const;
    QTreeWidget* list() const { return m_list; }

private:
    QTreeWidget* m_list;
    AppDialogs::RecoveryAction m_action = AppDialogs::RecoveryAction::Later;
};
