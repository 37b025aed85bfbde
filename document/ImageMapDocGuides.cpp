// Create Guides: a grid of rectangle areas laid over the picture in one step.
#include "document/ImageMapDoc.h"

#include "document/AreaReplaceCommand.h"

#include "model/DocumentDialogs.h"
#include "model/Prompter.h"
#include "model/Strings.h"

bool CImageMapDoc::createGuides() {
    if (isReadOnly())
        return false;
    for (;;) {
        GuideValues values;
        if (!dialogs().createGuides(imageWidth(), imageHeight(), values))
            return false;
        if (values.count() < 1)
            return false;
        bool replace = false;
        if (areaCount() > 0) {
            if (values.count() + areaCount() > kMaxAreas) {
                if (!Prompter::askYes(Strings::text(Str::GuidesExceedLimit),
                                      Prompter::Icon::Exclamation))
                    continue; // back to the dialog
                replace = true;
            } else {
                switch (dialogs().areasExisting()) {
                case DocumentDialogs::ExistingAreas::Add:
                    break;
                case DocumentDialogs::ExistingAreas::Replace:
                    replace = true;
                    break;
                case DocumentDialogs::ExistingAreas::Cancel:
                    return false;
                }
            }
        }
        return appendGuides(values, replace) > 0;
    }
}

int CImageMapDoc::appendGuides(const GuideValues& values, bool replaceExisting) {
    // The areas replaced and the guides are one step. The guides are made
    // before anything is replaced, so that a grid that yields none leaves
    // the map as it was.
    std::vector<PictureArea> after = replaceExisting ? std::vector<PictureArea>{} : pictures();
    const std::size_t kept = after.size();
    appendGuideAreas(values, after);
    const int added = int(after.size() - kept);
    if (added > 0)
        pushStep(new AreaReplaceCommand(*this, pictures(), std::move(after),
                                        Strings::text(Str::StepCreateGuides)));
    return added;
}

// Guides go row by row, left to right, after the areas already in the list,
// until the map is full.
void CImageMapDoc::appendGuideAreas(const GuideValues& v, std::vector<PictureArea>& areas) const {
    if (v.across < 1 || v.down < 1 || v.width < 1 || v.height < 1)
        return;
    // "%d" numbers the guides only when it is the one "%" of the base URL;
    // any other URL (such as 50%off%d) is used as it stands.
    const bool numbered = v.baseUrl.contains("%d") && v.baseUrl.count('%') == 1;
    const auto full = [&areas] { return areas.size() >= std::size_t(kMaxAreas); };
    int y = v.topStart;
    for (int row = 0; row < v.down && !full(); ++row, y += v.height + v.spacingY) {
        int x = v.leftStart;
        for (int column = 0; column < v.across && !full(); ++column, x += v.width + v.spacingX) {
            // A rectangle as setRect makes it: normalised, never empty.
            MapArea guide(AreaShape::Rectangle);
            guide.setRect(x, y, x + v.width, y + v.height);
            PictureArea p = guide.picture();
            p.texts.url = v.baseUrl;
            if (numbered)
                p.texts.url.replace("%d", QByteArray::number(qsizetype(areas.size()) + 1));
            areas.push_back(std::move(p));
        }
    }
}
