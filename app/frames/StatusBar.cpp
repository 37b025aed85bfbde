#include "app/frames/StatusBar.h"

#include "app/frames/StatePane.h"
#include "model/Strings.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

constexpr int kMinimumHeight = 20;

// A value pane that reports clicks (the zoom pane opens the zoom menu).
class ClickablePane : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void(const QPoint&)> onClick;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (onClick && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton))
            onClick(event->globalPosition().toPoint());
        else
            QLabel::mousePressEvent(event);
    }
};

} // namespace

StatusBar::StatusBar(QWidget* parent)
    : QStatusBar(parent), m_message(new QLabel(this)), m_state(new StatePane(this)) {
    setMinimumHeight(kMinimumHeight);
    m_message->setText(Strings::text(Str::IdleMessage));
    m_message->setObjectName(QStringLiteral("messagePane"));
    addWidget(m_message, 1);
    addPermanentWidget(m_state);
    m_position = addValuePane(new QLabel(this), Str::PositionSizing, Str::PositionPaneTip);
    m_icon = new QLabel(this);
    m_icon->setPixmap(StatePane::picture(StatePane::DimensionsPicture));
    addPermanentWidget(m_icon);
    m_dimensions = addValuePane(new QLabel(this), Str::DimensionsSizing, Str::DimensionsPaneTip);
    auto* zoom = new ClickablePane(this);
    zoom->onClick = [this](const QPoint& at) {
        if (m_views > 0)
            emit zoomMenuRequested(at);
    };
    m_zoom = addValuePane(zoom, Str::ZoomLevelSizing, Str::ZoomPaneTip);
}

QLabel* StatusBar::addValuePane(QLabel* pane, int sizingId, int tipId) {
    pane->setToolTip(Strings::text(tipId));
    pane->setMinimumWidth(fontMetrics().horizontalAdvance(Strings::text(sizingId)) + 8);
    pane->setAlignment(Qt::AlignCenter);
    addPermanentWidget(pane);
    return pane;
}

void StatusBar::showPosition(int x, int y) {
    if (m_views == 0)
        return;
    m_position->setText(x >= 0 && y >= 0 ? Strings::format(Str::PositionFormat, x, y) : QString());
}

void StatusBar::showDimensions(int width, int height) {
    if (m_views == 0)
        return;
    m_dimensions->setText(width != 0 || height != 0
                              ? Strings::format(Str::DimensionsFormat, width, height)
                              : QString());
}

void StatusBar::showZoom(ZoomLevel zoom) {
    if (m_views == 0)
        return;
    m_zoom->setText(zoom.text());
}

void StatusBar::showPrompt(const QString& text) {
    m_message->setText(text);
}

void StatusBar::showState(int state, int areaNumber) {
    m_state->showState(state, areaNumber);
}

void StatusBar::viewOpened() {
    ++m_views;
}

void StatusBar::viewClosed() {
    if (m_views > 0)
        --m_views;
    if (m_views == 0)
        blankValues();
}

// What the last window's view said of its areas and gestures is not the new
// one's: its state and prompt go until the new view writes them.
void StatusBar::viewActivated() {
    m_state->showState(MapCheckStatus::Clean, -1);
    m_message->clear();
}

void StatusBar::blankValues() {
    m_position->clear();
    m_dimensions->clear();
    m_zoom->clear();
    m_state->showState(MapCheckStatus::Clean, -1);
}

QString StatusBar::positionText() const {
    return m_position->text();
}

QString StatusBar::dimensionsText() const {
    return m_dimensions->text();
}

QString StatusBar::zoomText() const {
    return m_zoom->text();
}

QString StatusBar::promptText() const {
    return m_message->text();
}
