#include "app/frames/StatePane.h"

#include "model/Strings.h"

namespace {

constexpr int kStateWidth = 16;
constexpr int kStateHeight = 15;

} // namespace

StatePane::StatePane(QWidget* parent) : QLabel(parent) {
    setFixedSize(kStateWidth + 6, kStateHeight + 2);
    setAlignment(Qt::AlignCenter);
}

QPixmap StatePane::picture(Picture which) {
    static const QPixmap strip(QStringLiteral(":/icons/status.png"));
    return strip.copy(int(which) * kStateWidth, 0, kStateWidth, kStateHeight);
}

void StatePane::showState(int state, int areaNumber) {
    if (state == Obscured)
        setToolTip(Strings::format(Str::AreaObscuredTip, areaNumber));
    else if (state == MissingUrl)
        setToolTip(Strings::format(Str::AreaMissingUrlTip, areaNumber));
    else
        setToolTip(QString());
    if (state == m_state)
        return;
    m_state = state;
    ++m_pictureChanges;
    switch (state) {
    case Obscured:
        setPixmap(picture(ObscuredPicture));
        break;
    case MissingUrl:
        setPixmap(picture(MissingUrlPicture));
        break;
    case ReversedSearch:
        setPixmap(picture(ReversedSearchPicture));
        break;
    default:
        clear();
        break;
    }
}
