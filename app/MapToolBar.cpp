#include "app/MapToolBar.h"

#include "app/MenuBuilder.h"
#include "model/Strings.h"

MapToolBar::MapToolBar(const ActionTable& actions, QWidget* parent)
    : QToolBar(Strings::text(Str::ToolbarMap), parent) {
    setObjectName(QStringLiteral("mapToolBar"));
    setIconSize(QSize(16, 15));
    MenuBuilder::fillMapToolBar(this, actions);
}
