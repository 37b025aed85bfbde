#include "view/ZoomMenu.h"

#include "model/CommandIds.h"
#include "model/Strings.h"
#include "model/ZoomLevel.h"
#include "view/ImageMapView.h"

#include <QActionGroup>
#include <QMenu>
#include <QPointer>

namespace ZoomMenu {

QMenu* create(CImageMapView& view, QWidget* parent) {
    auto* menu = new QMenu(parent);
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    QPointer<CImageMapView> target(&view);
    for (ZoomLevel level : ZoomLevel::levels()) {
        const CommandId id = ZoomLevel::commandOf(level);
        QAction* action =
            menu->addAction(Strings::format(Str::ItemZoomLevel, level.num(), level.den()));
        action->setCheckable(true);
        action->setData(QVariant::fromValue(id));
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [target, id] {
            if (target)
                target->onCommand(id);
        });
    }
    const auto refresh = [menu, target] {
        for (QAction* action : menu->actions()) {
            CommandState state;
            if (target)
                target->onUpdateCommand(action->data().value<CommandId>(), state);
            action->setEnabled(target && state.enabled);
            action->setChecked(target && state.checked);
        }
    };
    QObject::connect(menu, &QMenu::aboutToShow, menu, refresh);
    refresh();
    return menu;
}

} // namespace ZoomMenu
