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
        const qint64 count = values.count();
        if (count < 1)
            return false;
        if (areaCount() > 0) {
            if (count + areaCount() > kMaxAreas) {
                if (!Prompter::askYes(Strings::text(Str::GuidesExceedLimit),
                                      Prompter::Icon::Exclamation))
                    continue; // back to the dialog
                deleteAllAreas();
            } else {
                switch (dialogs().areasExisting()) {
                case DocumentDialogs::ExistingAreas::Add:
                    break;
                case DocumentDialogs::ExistingAreas::Replace:
                    deleteAllAreas();
                    break;
                case DocumentDialogs::ExistingAreas::Cancel:
                    return false;
                }
            }
        }
        appendGuides(values);
        return true;
    }
}

int CImageMapDoc::appendGuides(const GuideValues& v) {
    if (v.across == 0 || v.down == 0 || v.width == 0 || v.height == 0)
        return 0;
    // "%d" numbers the guides only when it is the one "%" of the base URL;
    // any other URL (such as 50%off%d) is used as it stands.
    const bool numbered = v.baseUrl.contains("%d") && v.baseUrl.count('%') == 1;
    int added = 0;
    int y = v.topStart;
    for (int row = 0; row < v.down && !isFull(); ++row, y += v.height + v.spacingY) {
        int x = v.leftStart;
        for (int column = 0; column < v.across && !isFull(); ++column, x += v.width + v.spacingX) {
            auto guide = newArea(AreaShape::Rectangle);
            guide->setRect(x, y, x + v.width, y + v.height);
            QByteArray url = v.baseUrl;
            if (numbered)
                url.replace("%d", QByteArray::number(areaCount() + 1));
            guide->setUrl(url);
            m_areas.push_back(std::move(guide));
            ++added;
        }
    }
    if (added > 0)
        setModified(true);
    emit allChanged(HintAll);
    return added;
}
