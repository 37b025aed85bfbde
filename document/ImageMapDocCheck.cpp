// The map check of a document, one area per idle pass.
#include "document/ImageMapDoc.h"

#include "model/MapCheckStatus.h"

#include <chrono>

bool CImageMapDoc::runMapCheckStep(int pass, MapCheckStatus* activeStatus) {
    if (m_areas.empty()) {
        // Clean at once: said when the passes start, or when the areas of a
        // run in progress went away; the later passes of other maps' runs
        // have nothing to say here.
        if (pass == 0 || m_check.expects(pass)) {
            m_check.finish();
            if (activeStatus)
                activeStatus->showState(MapCheckStatus::Clean, -1);
        }
        return false;
    }
    if (pass == 0) {
        m_check.start();
    } else if (!m_check.expects(pass)) {
        return false;
    } else if (m_check.next() > areaCount()) {
        m_check.finish(); // areas went away under the run
        return false;
    }
    // Areas are examined until the pass has had its time, at least one per
    // pass; the report waits for a pass of its own when the last area used
    // up the time, so that no pass runs much past it.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + m_checkPassTime;
    for (bool examined = false;; examined = true) {
        if (examined && Clock::now() >= end) {
            m_check.ranIn(pass);
            return true;
        }
        const int n = m_check.next();
        if (n >= areaCount())
            break;
        m_check.examine(n, *m_areas[std::size_t(n)]);
    }
    m_check.finish();
    if (activeStatus)
        activeStatus->showState(m_check.state(), m_check.stateArea());
    return false;
}

void CImageMapDoc::runMapCheck(MapCheckStatus* status) {
    for (int n = 0; runMapCheckStep(n, status); ++n) {
    }
}

std::vector<MapFindings::Finding> CImageMapDoc::findings(QSize picture) const {
    MapFindings::Input input;
    input.areas = pictures();
    input.mapName = m_info.title;
    input.pagePath = m_path;
    input.pictureSize = picture.isEmpty() ? QSize(imageWidth(), imageHeight()) : picture;
    input.shownWidth = m_info.shownWidth;
    input.shownHeight = m_info.shownHeight;
    return MapFindings::find(input);
}
