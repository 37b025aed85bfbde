// The map check of a document, one area per idle pass.
#include "document/ImageMapDoc.h"

#include "model/MapCheckStatus.h"

bool CImageMapDoc::runMapCheckStep(int n, MapCheckStatus* activeStatus) {
    if (m_areas.empty()) {
        // Clean at once: said when the passes start, or when the areas of a
        // run in progress went away; the later passes of other maps' runs
        // have nothing to say here.
        if (n == 0 || m_check.expects(n)) {
            m_check.finish();
            if (activeStatus)
                activeStatus->showState(MapCheckStatus::Clean, -1);
        }
        return false;
    }
    if (n == 0) {
        m_check.start();
    } else if (!m_check.expects(n)) {
        return false;
    } else if (n > areaCount()) {
        m_check.finish(); // areas went away under the run
        return false;
    }
    if (n < areaCount()) {
        m_check.examine(n, *m_areas[std::size_t(n)]);
        return true;
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
