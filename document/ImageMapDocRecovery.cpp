// A map document's state for recovery copies, and a document started from one.
#include "document/ImageMapDoc.h"

#include "model/Strings.h"

#include <QFileInfo>

DocumentState CImageMapDoc::state() const {
    DocumentState s;
    s.info = m_info;
    s.areas = pictures();
    s.path = m_path;
    s.mapPath = m_mapPath;
    s.imagePath = m_imagePath;
    s.readFrom = m_readFrom;
    s.pageImageRef = m_pageImageRef;
    s.pagePicturePath = m_pagePicturePath;
    s.lossText = m_lossText;
    s.insertOffset = m_insertOffset;
    s.imgTagOffset = m_imgTagOffset;
    s.fromWizard = m_fromWizard;
    s.fromServerMap = !m_readFrom.isEmpty() &&
                      !QFileInfo(m_readFrom)
                           .suffix()
                           .contains(Strings::text(Str::PageExtensionMark), Qt::CaseInsensitive);
    return s;
}

bool CImageMapDoc::restoreState(const DocumentState& s) {
    m_recording = false;
    resetForLoad();
    forgetReadPage();
    m_info = s.info;
    m_mapPath = s.mapPath;
    m_imagePath = s.imagePath;
    recomposeNames();
    bool loaded = locateImage();
    if (loaded) {
        // A picture found elsewhere is the map's picture from now on.
        if (m_imagePath != s.imagePath) {
            recomposeNames();
            takeImageNames();
        }
        loaded = loadImage().ok();
    }
    m_recording = true;
    if (!loaded)
        return false;
    m_path = s.path;
    m_readFrom = s.readFrom;
    m_pageImageRef = s.pageImageRef;
    m_pagePicturePath = s.pagePicturePath;
    m_lossText = s.lossText;
    m_insertOffset = s.insertOffset;
    m_imgTagOffset = s.imgTagOffset;
    m_fromWizard = s.fromWizard;
    m_areas.clear();
    for (const PictureArea& p : s.areas) {
        if (isFull())
            break;
        m_areas.push_back(areaOf(p));
    }
    recomposeNames();
    m_undo.clear();
    setModified(true);
    emit allChanged(HintAll);
    return true;
}
