#pragma once

class CImageMapView;
class QMenu;
class QWidget;

// The zoom menu (156): every level "1:16" to "16:1", the Zoom To commands of one map
// view, the current zoom marked. The status bar's zoom pane opens it for
// the active view; the view's context menu carries the same items.
namespace ZoomMenu {

constexpr int kId = 156;

// A menu owned by parent (or by the caller when parent is null) whose items
// run view's Zoom To commands. Their marks and enabled states are taken
// from the view each time the menu is about to show; once the view is gone
// the items do nothing.
QMenu* create(CImageMapView& view, QWidget* parent = nullptr);

} // namespace ZoomMenu
