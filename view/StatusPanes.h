#pragma once

#include "model/MapCheckStatus.h"
#include "model/ZoomLevel.h"

#include <QString>

// The value panes of the status bar as a map view writes them. The main
// frame's status bar implements it; tests use a recording fake.
class StatusPanes : public MapCheckStatus {
public:
    // "%4d,%4d" when both are >= 0, else blank.
    virtual void showPosition(int x, int y) = 0;
    // "%4d x%4d" when either is non-zero, else blank.
    virtual void showDimensions(int width, int height) = 0;
    // The level's text ("1:4", "2:1").
    virtual void showZoom(ZoomLevel zoom) = 0;
    // The message pane: prompts, tips, menu help.
    virtual void showPrompt(const QString& text) = 0;
};
