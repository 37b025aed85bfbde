#include "app/frames/MapToolBar.h"

#include "app/shell/MenuBuilder.h"
#include "model/Strings.h"

MapToolBar::MapToolBar(const ActionTable& actions, QWidget* parent)
    : QToolBar(Strings::text(Str::ToolbarMap), parent) {
    setObjectName(QStringLiteral("mapToolBar"));
    setIconSize(QSize(16, 15));
    MenuBuilder::fillMapToolBar(this, actions);
}
