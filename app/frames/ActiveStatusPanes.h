#pragma once

#include "view/StatusPanes.h"

#include <functional>

// The status panes as one map window's view writes them: passed on to the
// status bar only while that window is the current one, so that a window in
// the background (resized by Tile, say) does not overwrite what the active
// one shows.
class ActiveStatusPanes : public StatusPanes {
public:
    // target: the status bar while the window is current, else null.
    explicit ActiveStatusPanes(std::function<StatusPanes*()> target)
        : m_target(std::move(target)) {}

    void showState(int state, int areaNumber) override {
        if (StatusPanes* to = m_target())
            to->showState(state, areaNumber);
    }
    void showPosition(int x, int y) override {
        if (StatusPanes* to = m_target())
            to->showPosition(x, y);
    }
    void showDimensions(int width, int height) override {
        if (StatusPanes* to = m_target())
            to->showDimensions(width, height);
    }
    void showZoom(ZoomLevel zoom) override {
        if (StatusPanes* to = m_target())
            to->showZoom(zoom);
    }
    void showPrompt(const QString& text) override {
        if (StatusPanes* to = m_target())
            to->showPrompt(text);
    }

private:
    std::function<StatusPanes*()> m_target;
};
