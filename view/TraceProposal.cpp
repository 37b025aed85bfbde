#include "view/TraceProposal.h"

#include "document/ImageMapDoc.h"
#include "model/MapArea.h"
#include "model/Settings.h"
#include "model/SettingsNotifier.h"
#include "model/Strings.h"
#include "view/DragFeedback.h"
#include "view/StatusPanes.h"
#include "view/ToolHost.h"

#include <QPainter>

std::unique_ptr<TraceProposal> TraceProposal::begin(ToolHost& host, QPoint press) {
    auto proposal = std::unique_ptr<TraceProposal>(new TraceProposal(host));
    proposal->trace({host.pictureAt(press)});
    return proposal;
}

TraceProposal::TraceProposal(ToolHost& host) : m_host(host) {
    QObject::connect(&m_runner, &TraceRunner::finished, &m_runner,
                     [this](const TraceResult& result, const TraceRequest& request) {
                         traced(result, request);
                     });
    QObject::connect(&m_runner, &TraceRunner::slowChanged, &m_runner, [this](bool slow) {
        m_host.showWaitCursor(slow);
        if (slow)
            prompt(Strings::text(Str::TraceWorking));
    });
    QObject::connect(&Settings::notifier(), &SettingsNotifier::changed, &m_runner,
                     [this] { settingsChanged(); });
    host.setFeedbackPainter([this](QPainter& painter) {
        if (m_shown.polygon.isEmpty())
            return;
        QPolygon ring;
        for (QPoint v : m_shown.polygon)
            ring << m_host.windowAt(v);
        ring << ring.front();
        DragFeedback::polyline(painter, ring);
    });
}

TraceProposal::~TraceProposal() {
    end();
}

void TraceProposal::trace(const QList<QPoint>& seeds) {
    const Settings& settings = Settings::app();
    TraceRequest request;
    request.seeds = seeds;
    request.tolerance = settings.traceTolerance;
    request.precision = settings.tracePrecision;
    request.vertexLimit = MapArea::kMaxVertices;
    m_asked = seeds;
    m_tolerance = request.tolerance;
    m_precision = request.precision;
    m_askedImage = m_host.document()->sharedImage();
    m_runner.start(m_askedImage, request);
}

void TraceProposal::traced(const TraceResult& result, const TraceRequest&) {
    if (m_ended)
        return;
    if (!result.isTraced()) {
        m_acceptWhenTraced = false;
        m_asked = m_shown.seeds;
        const QString why = result.outcome == TraceOutcome::OutOfMemory
                                ? Strings::text(Str::TraceOutOfMemory)
                                : result.message();
        if (m_shown.polygon.isEmpty()) {
            end();
            m_host.interactionEnded();
        }
        prompt(why);
        return;
    }
    m_shown.seeds = m_asked;
    m_shown.image = m_askedImage;
    show(result.polygon);
    prompt(result.message());
    if (m_acceptWhenTraced) {
        accept();
        m_host.interactionEnded();
    }
}

void TraceProposal::show(const QPolygon& polygon) {
    const QRect before = covering();
    m_shown.polygon = polygon;
    m_host.repaintWindowRect(before);
    m_host.repaintWindowRect(covering());
}

QRect TraceProposal::covering() const {
    if (m_shown.polygon.isEmpty())
        return {};
    QPolygon ring;
    for (QPoint v : m_shown.polygon)
        ring << m_host.windowAt(v);
    return DragFeedback::covering(ring);
}

void TraceProposal::prompt(const QString& text) const {
    if (StatusPanes* panes = m_host.statusPanes())
        panes->showPrompt(text);
}

// Only the proposal's own tolerance and precision call for a new trace;
// other settings (colours, grid) leave it alone.
void TraceProposal::settingsChanged() {
    if (m_ended || m_asked.isEmpty())
        return;
    const Settings& settings = Settings::app();
    if (settings.traceTolerance == m_tolerance && settings.tracePrecision == m_precision)
        return;
    m_acceptWhenTraced = false;
    trace(m_asked);
}

void TraceProposal::press(QPoint at, Qt::KeyboardModifiers modifiers) {
    if (m_ended)
        return;
    m_acceptWhenTraced = false;
    const QPoint pixel = m_host.pictureAt(at);
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        m_beforeClick = {}; // a Shift+double-click accepts the widened outline
        trace(m_asked + QList<QPoint>{pixel});
        return;
    }
    m_beforeClick = m_shown;
    trace({pixel});
}

void TraceProposal::doubleClick(QPoint) {
    if (m_ended)
        return;
    // The click before the double-click traced afresh; the user meant the
    // outline that was on the screen then.
    if (!m_beforeClick.polygon.isEmpty()) {
        m_runner.cancel();
        m_asked = m_beforeClick.seeds;
        m_askedImage = m_beforeClick.image;
        m_shown.seeds = m_beforeClick.seeds;
        m_shown.image = m_beforeClick.image;
        show(m_beforeClick.polygon);
    }
    accept();
}

bool TraceProposal::takesKey(int key) const {
    return !m_ended && (key == Qt::Key_Return || key == Qt::Key_Enter);
}

void TraceProposal::keyPressed(int key) {
    if (takesKey(key))
        accept();
}

void TraceProposal::accept() {
    if (m_runner.isBusy()) {
        m_acceptWhenTraced = true;
        return;
    }
    // A picture changed since the trace (Change Image) may not hold the
    // outline any more.
    const bool current = m_shown.image && m_shown.image == m_host.document()->sharedImage();
    const QPolygon polygon = current ? m_shown.polygon : QPolygon();
    end();
    if (polygon.size() < 3)
        return;
    auto area = std::make_unique<MapArea>(AreaShape::Polygon);
    for (QPoint v : polygon)
        area->addVertex(v.x(), v.y());
    m_host.addDrawnArea(std::move(area), Str::StepTraceArea);
}

void TraceProposal::cancel() {
    end();
}

void TraceProposal::end() {
    if (m_ended)
        return;
    m_ended = true;
    m_runner.cancel();
    m_host.endInteraction();
    m_host.repaintWindowRect(covering());
    m_shown.polygon.clear();
}
