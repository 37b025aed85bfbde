#include "app/shell/DocumentIdleClient.h"

#include "app/frames/MainFrame.h"
#include "app/frames/MyMDIChildWnd.h"
#include "app/frames/StatusBar.h"

bool DocumentIdleClient::onIdle(int pass) {
    bool more = false;
    MyMDIChildWnd* active = m_frame.activeChild();
    for (MyMDIChildWnd* child : m_frame.children()) {
        MapCheckStatus* status = child == active ? m_frame.mainStatusBar() : nullptr;
        if (m_step(child->document(), pass, status))
            more = true;
    }
    return more;
}
