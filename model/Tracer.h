#pragma once

#include "model/TraceRequest.h"

#include <QPolygon>
#include <QString>

#include <atomic>

class TraceMask;
class TracePicture;

// How a trace ended.
enum class TraceOutcome {
    Traced,          // polygon holds the proposal
    Cancelled,       // cancel was set; nothing to show
    NoPicture,       // the view is null or no seed was given
    OutsidePicture,  // a seed lies outside the picture
    WholePicture,    // the outline encloses every pixel of the picture
    Disjoint,        // a seed's region neither touches nor lies inside the others'
    TooManyVertices, // the polygon needs more than the request's vertex limit
    OutOfMemory,     // the selection's mask (a byte a pixel) could not be had
};

// The result of a trace: a value, safe to hand from the worker back to the
// window.
struct TraceResult {
    TraceOutcome outcome = TraceOutcome::NoPicture;
    // The proposed polygon in picture coordinates on pixel corners, clockwise
    // on the screen; empty unless outcome is Traced.
    QPolygon polygon;
    // Vertices the polygon needs (also when refused for their number).
    int vertexCount = 0;
    // Pixels the regions selected, holes excluded.
    qint64 regionPixels = 0;
    // Pixels the polygon encloses (its area, rounded).
    qint64 polygonArea = 0;
    // The request's vertex limit, for the refusal's text.
    int vertexLimit = 0;

    bool isTraced() const { return outcome == TraceOutcome::Traced; }
    // The status bar's text for the outcome: the proposal's vertex count
    // and area, or the reason for a refusal; empty when cancelled, and for
    // OutOfMemory, which the tool names with the program's own text for a
    // failed allocation.
    QString message() const;
};

// The tracing engine: one click's region grown, its outer boundary followed
// and simplified, all over the picture's own pixels. Windowless and safe to
// run on a worker thread: it reads picture (which must stay unchanged) and
// writes only scratch.
namespace Tracer {

// Runs the whole trace. The tolerance and precision are clamped to their
// bounds. scratch is reused from trace to trace so that a large picture
// allocates its mask once; cancel, when given, is read throughout, and a
// set flag ends the trace within a few milliseconds as Cancelled. Never
// throws: a failed allocation ends it as OutOfMemory.
TraceResult trace(const TracePicture& picture, const TraceRequest& request, TraceMask& scratch,
                  const std::atomic_bool* cancel = nullptr);

} // namespace Tracer
