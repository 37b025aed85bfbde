// The picture of a map document: changing it, and keeping areas inside it.
#include "document/ImageMapDoc.h"

#include "model/ImageLocator.h"
#include "model/PictureSource.h"
#include "model/Prompter.h"
#include "model/Strings.h"

bool CImageMapDoc::changeImage() {
    if (isReadOnly())
        return false;
    const MapInfo info = m_info;
    const QString imagePath = m_imagePath, mapPath = m_mapPath;
    const auto putBack = [&] {
        m_info = info;
        m_imagePath = imagePath;
        m_mapPath = mapPath;
        recomposeNames();
        return false;
    };

    const QString chosen = ImageLocator::chooseImageFile(dialogs(), m_imagePath);
    if (chosen.isEmpty())
        return putBack();
    m_imagePath = chosen;
    recomposeNames();
    takeImageNames();
    // The current picture stays until the new one has loaded, so that a
    // failed change leaves the map with the picture it had.
    std::unique_ptr<LoadedImage> image = m_pictures ? m_pictures->load(m_imagePath) : nullptr;
    if (!image)
        return putBack();
    setImage(std::move(image));
    setModified(true);
    clipAreasToImage();
    emit allChanged(HintImageChanged);
    return true;
}

bool CImageMapDoc::clipAreasToImage() {
    if (!m_image)
        return false;
    const PixelRect bounds = imageBounds();
    const int outside = int(std::count_if(m_areas.begin(), m_areas.end(),
                                          [&](const auto& a) { return !a->isInside(bounds); }));
    if (outside == 0)
        return false;
    const QString question =
        QString::asprintf(Strings::raw(Str::ClipAreasQuestion), outside, areaCount());
    if (Prompter::current().ask(question, Prompter::Buttons::YesNo, Prompter::Icon::Question) !=
        Prompter::Answer::Yes)
        return false;
    for (const auto& a : m_areas)
        a->clampTo(bounds);
    setModified(true);
    emit allChanged(HintAll);
    return true;
}
