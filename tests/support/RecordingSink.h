#pragma once

#include "model/MapSink.h"

#include <QStringList>

// Records the shapes a reader hands to its sink, one line per call, so that
// a test compares the whole sequence at once.
class RecordingSink : public MapSink {
public:
    void rectangle(const AreaTexts& t, int l, int tp, int r, int b) override {
        calls << shape("rect", t, l, tp, r, b);
    }
    void circle(const AreaTexts& t, int l, int tp, int r, int b) override {
        calls << shape("circle", t, l, tp, r, b);
    }
    void beginPolygon() override { calls << "begin"; }
    void vertex(int x, int y) override { calls << QString("vertex %1,%2").arg(x).arg(y); }
    void endPolygon(const AreaTexts& t) override {
        calls << QString("end " + t.url + " " + t.comment).trimmed();
    }

    QStringList calls;

private:
    static QString shape(const char* kind, const AreaTexts& t, int l, int tp, int r, int b) {
        return QString("%1 %2 %3,%4,%5,%6").arg(kind, QString(t.url)).arg(l).arg(tp).arg(r).arg(b);
    }
};
