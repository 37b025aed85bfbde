// Create Guides: a grid of rectangle areas laid over the picture in one step.
#include "document/ImageMapDoc.h"

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
        return placeGuides(values, replace) > 0;
    }
}

int CImageMapDoc::placeGuides(const GuideValues& v, bool replaceExisting) {
    if (v.across < 1 || v.down < 1 || v.width < 1 || v.height < 1)
        return 0;
    // The guides are made before anything is deleted, so that a grid that
    // yields none leaves the map as it was.
    const int first = replaceExisting ? 0 : areaCount();
    // "%d" numbers the guides only when it is the one "%" of the base URL;
    // any other URL (such as 50%off%d) is used as it stands.
    const bool numbered = v.baseUrl.contains("%d") && v.baseUrl.count('%') == 1;
    std::vector<std::unique_ptr<MapArea>> guides;
    int y = v.topStart;
    for (int row = 0; row < v.down; ++row, y += v.height + v.spacingY) {
        int x = v.leftStart;
        for (int column = 0; column < v.across; ++column, x += v.width + v.spacingX) {
            if (first + int(guides.size()) >= kMaxAreas)
                break;
            auto guide = newArea(AreaShape::Rectangle);
            guide->setRect(x, y, x + v.width, y + v.height);
            QByteArray url = v.baseUrl;
            if (numbered)
                url.replace("%d", QByteArray::number(first + int(guides.size()) + 1));
            guide->setUrl(url);
            guides.push_back(std::move(guide));
        }
    }
    if (guides.empty())
        return 0;
    if (replaceExisting)
        m_areas.clear();
    for (auto& guide : guides)
        m_areas.push_back(std::move(guide));
    setModified(true);
    emit allChanged(HintAll);
    return int(guides.size());
}
