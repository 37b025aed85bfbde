#include "model/Tracer.h"

#include "model/Strings.h"
#include "model/TraceFill.h"
#include "model/TraceMask.h"
#include "model/TraceOutline.h"
#include "model/TracePicture.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace {

bool isSet(const std::atomic_bool* cancel) {
    return cancel && cancel->load(std::memory_order_relaxed);
}

TraceResult ended(TraceOutcome outcome, int limit) {
    TraceResult r;
    r.outcome = outcome;
    r.vertexLimit = limit;
    return r;
}

TraceResult traceOrThrow(const TracePicture& picture, const TraceRequest& request,
                         TraceMask& scratch, const std::atomic_bool* cancel) {
    const int limit = request.vertexLimit;
    if (picture.isNull() || request.seeds.isEmpty())
        return ended(TraceOutcome::NoPicture, limit);
    for (const QPoint& s : request.seeds) {
        if (!picture.contains(s.x(), s.y()))
            return ended(TraceOutcome::OutsidePicture, limit);
    }
    const int tolerance =
        std::clamp(request.tolerance, TraceRequest::kMinTolerance, TraceRequest::kMaxTolerance);
    const double precision = std::isfinite(request.precision)
                                 ? std::clamp(request.precision, TraceRequest::kMinPrecision,
                                              TraceRequest::kMaxPrecision)
                                 : TraceRequest::kDefaultPrecision;

    scratch.reset(picture.width(), picture.height());
    for (const QPoint& s : request.seeds) {
        if (!TraceFill::addRegion(picture, s, tolerance, scratch, cancel))
            return ended(TraceOutcome::Cancelled, limit);
    }
    const QPolygon ring = TraceOutline::outerBoundary(scratch, cancel);
    if (ring.isEmpty() || isSet(cancel))
        return ended(TraceOutcome::Cancelled, limit);
    // The ring bounds the part holding the topmost selected pixel; a region
    // outside it would need a second polygon. One inside it (in a hole) is
    // covered by the outline anyway.
    for (const QPoint& s : request.seeds) {
        if (!TraceOutline::enclosesPixel(ring, s.x(), s.y()))
            return ended(TraceOutcome::Disjoint, limit);
    }
    if (TraceOutline::doubledArea(ring) >= 2 * qint64(picture.width()) * picture.height())
        return ended(TraceOutcome::WholePicture, limit);

    TraceResult r = ended(TraceOutcome::Traced, limit);
    r.polygon = TraceOutline::simplify(ring, precision);
    if (isSet(cancel))
        return ended(TraceOutcome::Cancelled, limit);
    r.vertexCount = int(r.polygon.size());
    r.regionPixels = scratch.pixelCount();
    r.polygonArea = (std::abs(TraceOutline::doubledArea(r.polygon)) + 1) / 2;
    if (r.vertexCount > limit) {
        r.outcome = TraceOutcome::TooManyVertices;
        r.polygon.clear();
    }
    return r;
}

} // namespace

TraceResult Tracer::trace(const TracePicture& picture, const TraceRequest& request,
                          TraceMask& scratch, const std::atomic_bool* cancel) {
    try {
        return traceOrThrow(picture, request, scratch, cancel);
    } catch (const std::bad_alloc&) {
        // A picture of hundreds of millions of pixels may leave no room for
        // its mask; the window must go on.
        scratch = TraceMask();
        return ended(TraceOutcome::OutOfMemory, request.vertexLimit);
    }
}

QString TraceResult::message() const {
    switch (outcome) {
    case TraceOutcome::Traced:
        return QString::asprintf(Strings::raw(Str::TraceProposal), vertexCount,
                                 static_cast<long long>(polygonArea));
    case TraceOutcome::Cancelled:
    case TraceOutcome::OutOfMemory:
        return {};
    case TraceOutcome::NoPicture:
        return Strings::text(Str::TraceRefusedNoPicture);
    case TraceOutcome::OutsidePicture:
        return Strings::text(Str::TraceRefusedOutside);
    case TraceOutcome::WholePicture:
        return Strings::text(Str::TraceRefusedWhole);
    case TraceOutcome::Disjoint:
        return Strings::text(Str::TraceRefusedDisjoint);
    case TraceOutcome::TooManyVertices:
        return QString::asprintf(Strings::raw(Str::TraceRefusedVertices), vertexCount, vertexLimit);
    }
    return {};
}
