#include "app/frames/MapToolBar.h"

#include "app/commands/ActionTable.h"
#include "app/commands/MenuBuilder.h"
#include "app/frames/TraceControls.h"
#include "model/Strings.h"

MapToolBar::MapToolBar(const ActionTable& actions, QWidget* parent)
    : QToolBar(Strings::text(Str::ToolbarMap), parent) {
    setObjectName(QStringLiteral("mapToolBar"));
    setIconSize(QSize(16, 15));
    MenuBuilder::fillMapToolBar(this, actions);
    // Beside the tools, where a narrow window does not fold them away.
    const QList<QAction*> items = QWidget::actions();
    const qsizetype arrow = items.indexOf(actions.action(CommandId::ArrowTool));
    m_trace = new TraceControls(this, items.value(arrow + 1), m_toolZoom);
}
