#pragma once

#include "view/TraceRunner.h"
#include "view/ViewInteraction.h"

#include <QList>
#include <QPoint>
#include <QPolygon>
#include <QRect>

#include <memory>

class LoadedImage;
class ToolHost;

// The Trace tool's interaction: an outline proposed along the shape under
// a click, which the user accepts, widens or tries again.
//
// The press that begins it traces at the picture pixel under it (at any
// zoom, over the picture's own pixels, on a worker: TraceRunner). A further
// click traces anew at its pixel, a Shift+click adds the region at its
// pixel (union, outer boundary), and a change of the tolerance or the
// precision in the settings traces the same clicks again; each newer trace
// cancels an older one. The proposal is drawn as the dashed feedback
// polygon, with its vertex count and area in the prompt pane; a trace
// that runs long shows the wait cursor and "Tracing...".
//
// Enter or a double-click accepts the proposal as a new polygon area, one
// step "Trace Area" (Area Settings opens as after drawing with "Area
// Prompt" on). A double-click accepts the proposal shown before its first
// click, or with none the trace of that click; an accept asked while a
// trace runs waits for its result. Esc or the right button discard the
// proposal. A refused trace (the whole picture, more points than an area
// may have, regions apart, no memory) leaves the proposal as it was and
// says why in the prompt pane; refused with nothing proposed yet, the
// interaction ends.
class TraceProposal : public ViewInteraction {
public:
    static std::unique_ptr<TraceProposal> begin(ToolHost& host, QPoint press);
    ~TraceProposal() override;

    void move(QPoint, Qt::KeyboardModifiers) override {}
    void release(QPoint) override {}
    void cancel() override;
    void press(QPoint at, Qt::KeyboardModifiers modifiers) override;
    void doubleClick(QPoint at) override;
    bool done() const override { return m_ended; }
    bool takesKey(int key) const override;
    void keyPressed(int key) override;
    bool outlivesFocusAndZoom() const override { return true; }

    // The proposal in picture pixels (pixel corners), empty while none is
    // shown.
    const QPolygon& polygon() const { return m_shown.polygon; }
    bool isTracing() const { return m_runner.isBusy(); }
    // Its finished() tells when a trace came back.
    const TraceRunner& runner() const { return m_runner; }

private:
    explicit TraceProposal(ToolHost& host);
    void trace(const QList<QPoint>& seeds);
    void traced(const TraceResult& result, const TraceRequest& request);
    void settingsChanged();
    void accept();
    void end();
    void show(const QPolygon& polygon);
    QRect covering() const;
    void prompt(const QString& text) const;

    // What a plain click replaced, for the double-click it may begin.
    struct Shown {
        QList<QPoint> seeds;
        QPolygon polygon;
        std::shared_ptr<const LoadedImage> image;
    };

    ToolHost& m_host;
    TraceRunner m_runner;
    Shown m_shown;                                   // the proposal on the screen
    Shown m_beforeClick;                             // the one the last plain click replaced
    QList<QPoint> m_asked;                           // the clicks of the newest trace
    std::shared_ptr<const LoadedImage> m_askedImage; // and its picture
    int m_tolerance = 0;                             // the settings of the newest trace
    double m_precision = 0;
    bool m_acceptWhenTraced = false;
    bool m_ended = false;
};
