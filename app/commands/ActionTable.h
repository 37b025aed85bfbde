#pragma once

#include "model/CommandIds.h"

#include <QList>
#include <QObject>
#include <QPixmap>

#include <optional>
#include <unordered_map>
#include <vector>

class QAction;
class QIcon;
class QActionGroup;
class QUndoGroup;

// One QAction for every command of the editor, made from the string table:
// the menu text, the status-bar prompt (the first line of the command's own
// string) and the tool tip (its second line), the shortcuts of the
// accelerator table, and the toolbar picture. Menus, toolbars and the
// shortcut map all share these actions; what triggering one does, and
// whether it is enabled or checked, is the command router's business, but
// for Undo and Redo: those are the undo group's (one stack per map window,
// the active window's the group's active one), named after the step they
// undo or redo and enabled by the stack itself.
//
// The table is the one place that maps command ids to actions: an action's
// data holds its CommandId.
class ActionTable : public QObject {
    Q_OBJECT
public:
    explicit ActionTable(QObject* parent = nullptr);
    ~ActionTable() override;

    // The action of command id; null for an id the table does not hold.
    QAction* action(CommandId id) const;
    // Every action, in the table's order.
    const QList<QAction*>& all() const { return m_ordered; }
    // The command an action stands for (the action's data); none for an
    // action that stands for no command (a separator, a submenu).
    static std::optional<CommandId> commandOf(const QAction* action);
    // Marks an action made elsewhere (a recent file's) as standing for id.
    static void tag(QAction* action, CommandId id);
    // The status-bar prompt of id: the first line of its own string.
    static QString promptOf(CommandId id);
    // Commands whose actions keep their own state (Undo, Redo); the router
    // leaves them alone.
    bool followsItsOwnState(CommandId id) const;
    // The stacks of the open maps; Undo and Redo act on the active one.
    QUndoGroup& undoGroup() const { return *m_undoGroup; }

    // The toolbar picture at index (16 x 15 at scale 1), drawn from its SVG
    // at whatever size and device pixel ratio it is shown.
    static QIcon toolbarIcon(int index);
    static QString toolbarPicturePath(int index);
    static QPixmap toolbarPicture(int index);

signals:
    // An action of the table was triggered by menu, toolbar or shortcut.
    void commandTriggered(CommandId id);

private:
    struct Entry;
    static std::vector<Entry> entries();
    static std::vector<Entry> mapAndWindowEntries();
    void add(const Entry& entry);
    QAction* makeAction(const Entry& entry);
    void followUndoTexts(QAction* undo, QAction* redo);

    std::unordered_map<CommandId, QAction*> m_actions;
    QList<QAction*> m_ordered;
    QActionGroup* m_tools;
    QActionGroup* m_zooms;
    QUndoGroup* m_undoGroup;
};
