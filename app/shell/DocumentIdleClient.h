#pragma once

#include "app/shell/IdleProcessor.h"

#include <functional>

class CImageMapDoc;
class MainFrame;
class MapCheckStatus;

// Idle work on every open map, one step per idle pass: the step gets the
// document, the pass number and, for the document of the active window
// only, the status bar's state pane to report to. The map check runs
// through it.
class DocumentIdleClient : public IdleClient {
public:
    // True while the document wants further passes.
    using Step = std::function<bool(CImageMapDoc& doc, int pass, MapCheckStatus* activeStatus)>;

    DocumentIdleClient(MainFrame& frame, Step step) : m_frame(frame), m_step(std::move(step)) {}

    bool onIdle(int pass) override;

private:
    MainFrame& m_frame;
    Step m_step;
};
