#pragma once

#include "model/CommandIds.h"

#include <QPoint>
#include <QRect>

#include <functional>
#include <vector>

class CommandTarget;
class QWidget;

// The right pane of a map window as the window uses it: the map view. The
// window puts widget() into its splitter, puts commandTarget() at the head
// of its command chain, and reads the selection for the document's enable
// rules. Made through DocumentServices, so that the map view is one class
// to plug in.
class MapPane {
public:
    virtual ~MapPane() = default;
    // The pane's widget, owned by the window once placed.
    virtual QWidget* widget() = 0;
    // The view's link of the command chain, or null.
    virtual CommandTarget* commandTarget() { return nullptr; }
    // The selected area's index, -1 for none.
    virtual int selectedArea() const { return -1; }
    // Selects area index (-1 for none), as the area list asks.
    virtual void selectArea(int /*index*/) {}
    // Selects several areas, the first the key area (the area list's rows).
    virtual void selectAreas(const std::vector<int>& indices) {
        selectArea(indices.empty() ? -1 : indices.front());
    }
    // listener hears every change of the selection with every selected
    // area, the key area first.
    virtual void setSelectionSetListener(std::function<void(const std::vector<int>&)> listener) {
        setSelectionListener([listener = std::move(listener)](int index) {
            listener(index >= 0 ? std::vector<int>{index} : std::vector<int>{});
        });
    }
    // Selects area index and scrolls it into sight (Check Map).
    virtual void revealArea(int index) { selectArea(index); }
    // Where area index shows on the screen, or for -1 the part of the
    // picture in sight; empty when it is out of sight. Tool windows keep
    // off it.
    virtual QRect screenRect(int /*index*/) const { return {}; }
    // listener hears every change of the selection, whoever made it.
    virtual void setSelectionListener(std::function<void(int index)> /*listener*/) {}
    // Ends the flyby (the area under the mouse), as the area list asks
    // when the mouse moves over it.
    virtual void endFlyby() {}
    // How the pane runs a command through the window's chain (Edit Area
    // Info after drawing).
    virtual void setCommandPoster(std::function<void(CommandId id)> /*poster*/) {}
    // listener hears every change of the pane's state that commands depend
    // on (the selection, the zoom), so that their states follow it.
    virtual void setCommandStateListener(std::function<void()> /*listener*/) {}
    // How the pane opens a context menu (id 150 to 155 at a global point).
    virtual void setContextMenuHandler(std::function<void(int menuId, QPoint global)> /*open*/) {}
    // The window became the active one: the pane writes its status panes.
    virtual void activated() {}
};
