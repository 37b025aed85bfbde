#pragma once

#include "model/CommandIds.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPixmap>

#include <vector>

class QAction;
class QIcon;
class QActionGroup;

// One QAction for every command of the editor, made from the string table:
// the menu text, the status-bar prompt (the first line of the command's own
// string) and the tool tip (its second line), the shortcuts of the
// accelerator table, and the toolbar picture. Menus, toolbars and the
// shortcut map all share these actions; what triggering one does, and
// whether it is enabled or checked, is the command router's business.
class ActionTable : public QObject {
    Q_OBJECT
public:
    explicit ActionTable(QObject* parent = nullptr);

    // The action of command id; null for an id the table does not hold.
    QAction* action(CommandId id) const { return m_actions.value(int(id)); }
    QAction* action(int id) const { return m_actions.value(id); }
    // Every action, in the table's order.
    const QList<QAction*>& all() const { return m_ordered; }
    // The command id an action stands for (the action's data).
    static int commandOf(const QAction* action);

    // The toolbar picture at index (16 x 15 at scale 1), drawn from its SVG
    // at whatever size and device pixel ratio it is shown.
    static QIcon toolbarIcon(int index);
    static QString toolbarPicturePath(int index);
    static QPixmap toolbarPicture(int index);

signals:
    // An action of the table was triggered by menu, toolbar or shortcut.
    void commandTriggered(int id);

private:
    struct Entry;
    static std::vector<Entry> entries();
    static std::vector<Entry> mapAndWindowEntries();
    void add(const Entry& entry);

    QHash<int, QAction*> m_actions;
    QList<QAction*> m_ordered;
    QActionGroup* m_tools;
    QActionGroup* m_zooms;
};
