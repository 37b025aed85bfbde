// The picture of a map document: changing it, and keeping areas inside it.
#include "document/ImageMapDoc.h"

#include "document/AreaReplaceCommand.h"
#include "document/PictureCommand.h"

#include "model/ImageLocator.h"
#include "model/PictureSource.h"
#include "model/Prompter.h"
#include "model/Strings.h"
#include "model/Translation.h"

OperationResult CImageMapDoc::changeImage() {
    if (isReadOnly())
        return OperationResult::cancelled();
    const MapInfo info = m_info;
    const QString imagePath = m_imagePath, mapPath = m_mapPath;
    const auto putBack = [&] {
        m_info = info;
        m_imagePath = imagePath;
        m_mapPath = mapPath;
        recomposeNames();
    };

    const QString chosen = ImageLocator::chooseImageFile(dialogs(), m_imagePath);
    if (chosen.isEmpty()) {
        putBack();
        return OperationResult::cancelled();
    }
    m_imagePath = chosen;
    recomposeNames();
    takeImageNames();
    // The current picture stays until the new one has loaded, so that a
    // failed change leaves the map with the picture it had.
    std::unique_ptr<LoadedImage> image = m_pictures ? m_pictures->load(m_imagePath) : nullptr;
    if (!image) {
        const OperationResult result = pictureNotChanged();
        result.tell();
        putBack();
        return result;
    }
    PictureState before{m_image, imagePath, info.imageFolder, info.imageFile};
    PictureState after = pictureState();
    const PixelRect bounds{0, 0, image->width(), image->height()};
    after.image = std::move(image);
    putBack();
    // The picture and the areas it clips are one step.
    auto* step = new PictureCommand(*this, std::move(before), std::move(after),
                                    Strings::text(Str::StepChangeImage));
    std::vector<PictureArea> clipped;
    if (askClipping(bounds, clipped))
        step->setClipping(pictures(), std::move(clipped));
    pushStep(step);
    return OperationResult::done();
}

// Why the chosen picture did not load: one that is there but gives nothing
// is told by the document, any other failure the source told itself, and a
// cancelled load is none.
OperationResult CImageMapDoc::pictureNotChanged() const {
    if (!m_pictures || m_pictures->lastLoadCancelled())
        return OperationResult::cancelled();
    const QString failure = m_pictures->lastLoadFailure();
    if (failure.isEmpty())
        return OperationResult::failure(OperationResult::Code::PictureNotLoaded, {});
    return OperationResult::failure(OperationResult::Code::PictureUnreadable,
                                    failure + Strings::text(Str::ImageErrorTail));
}

bool CImageMapDoc::clipAreasToImage() {
    std::vector<PictureArea> clipped;
    if (!m_image || !askClipping(imageBounds(), clipped))
        return false;
    pushStep(new AreaReplaceCommand(*this, pictures(), std::move(clipped),
                                    Strings::text(Str::StepClipAreas)));
    return true;
}

// Offers to clip the areas reaching beyond bounds; on Yes, clipped is the
// list of areas as clipping leaves them.
bool CImageMapDoc::askClipping(const PixelRect& bounds, std::vector<PictureArea>& clipped) const {
    const int outside = int(std::count_if(m_areas.begin(), m_areas.end(),
                                          [&](const auto& a) { return !a->isInside(bounds); }));
    if (outside == 0)
        return false;
    // "areas" follows the map's count, "needs" the count to clip.
    const int id = Translation::singular(areaCount()) ? Str::ClipOnlyAreaQuestion
                   : Translation::singular(outside)   ? Str::ClipAreaQuestionOne
                                                      : Str::ClipAreasQuestion;
    const QString question = Strings::format(id, outside, areaCount());
    if (Prompter::current().ask(question, Prompter::Buttons::YesNo, Prompter::Icon::Question) !=
        Prompter::Answer::Yes)
        return false;
    clipped = pictures();
    for (PictureArea& p : clipped) {
        MapArea area(p.shape);
        area.setPicture(p);
        area.clampTo(bounds);
        p = area.picture();
    }
    return true;
}
