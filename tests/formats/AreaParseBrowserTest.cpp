// The table of SHAPE and COORDS cases in a real browser: headless Chromium
// hit-tests every case's area at a grid of probe points, and each probe
// must fall inside exactly where the area the editor reads from the same
// tag lies (none for an area a browser gives no shape).
#include "AreaParseCases.h"
#include "BrowserSession.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int kCell = 80;    // each case's picture lies in a cell of this many CSS pixels
constexpr int kPicture = 64; // its side
constexpr int kColumns = 10;
constexpr int kProbes = 13; // per side, 5 pixels apart, off every edge of the table

double probeX(int k) {
    return 2.3 + 5 * k;
}

double probeY(int k) {
    return 2.6 + 5 * k;
}

// Even-odd, as browsers fill area polygons; the table's polygons are simple.
bool inPolygon(const std::vector<int>& v, double x, double y) {
    bool in = false;
    const size_t n = v.size() / 2;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const double xi = v[2 * i], yi = v[2 * i + 1], xj = v[2 * j], yj = v[2 * j + 1];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
            in = !in;
    }
    return in;
}

bool expectedHit(const AreaParseCase& c, double x, double y) {
    switch (c.kind) {
    case 'R':
        return x >= std::min(c.v[0], c.v[2]) && x < std::max(c.v[0], c.v[2]) &&
               y >= std::min(c.v[1], c.v[3]) && y < std::max(c.v[1], c.v[3]);
    case 'C':
        return (x - c.v[0]) * (x - c.v[0]) + (y - c.v[1]) * (y - c.v[1]) < c.v[2] * c.v[2];
    case 'P':
        return inPolygon(c.v, x, y);
    }
    return false;
}

// A page of one picture and map per case; the script answers, per case, a
// string of "1" (the area is under the probe) and "0".
QByteArray casesPage() {
    // A one-pixel GIF, stretched: the map needs a picture that loads.
    QByteArray page =
        "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><style>body { margin: 0 } "
        "img { position: absolute; border: 0 }</style></head><body>\n";
    const QByteArray gif = "data:image/gif;base64,R0lGODlhAQABAIAAAP///wAAACwAAAAAAQABAAACAkQBADs=";
    int i = 0;
    for (const AreaParseCase& c : areaParseCases()) {
        const QByteArray n = QByteArray::number(i);
        page += "<img src=\"" + gif + "\" width=" + QByteArray::number(kPicture) +
                " height=" + QByteArray::number(kPicture) +
                " style=\"left: " + QByteArray::number(i % kColumns * kCell) +
                "px; top: " + QByteArray::number(i / kColumns * kCell) + "px\" usemap=\"#m" + n +
                "\" alt=\"\">\n<map name=\"m" + n + "\"><area";
        if (c.shape)
            page += " shape=\"" + QByteArray(c.shape) + '"';
        page += " coords=\"" + c.coords + "\" href=\"#a" + n + "\" alt=\"a" + n + "\"></map>\n";
        ++i;
    }
    return page + "</body></html>\n";
}

QString probeScript(int count) {
    return QStringLiteral("(function () { var out = [];"
                          " for (var i = 0; i < %1; ++i) { var s = '';"
                          "  for (var ky = 0; ky < %2; ++ky) for (var kx = 0; kx < %2; ++kx) {"
                          "   var x = (i %% %3) * %4 + 2.3 + 5 * kx, y = Math.floor(i / %3) * %4 + "
                          "2.6 + 5 * ky;"
                          "   var e = document.elementFromPoint(x, y);"
                          "   s += e && e.tagName === 'AREA' && e.alt === 'a' + i ? '1' : '0'; }"
                          "  out.push(s); }"
                          " return JSON.stringify(out); })()")
        .arg(count)
        .arg(kProbes)
        .arg(kColumns)
        .arg(kCell)
        .replace(QStringLiteral("%%"), QStringLiteral("%"));
}

} // namespace

TEST(AreaParseBrowser, ChromiumHitsEveryCaseWhereTheEditorReadsIt) {
    if (BrowserSession::chromium().isEmpty())
        GTEST_SKIP() << "no Chromium installed (Debian package chromium): the COORDS and SHAPE "
                        "cases are not tried in a browser";
    static_assert(2.6 + 5 * (kProbes - 1) < kPicture, "probes lie on the picture");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = QDir(dir.path()).filePath(QStringLiteral("cases.htm"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(casesPage());
    file.close();
    const std::vector<AreaParseCase>& cases = areaParseCases();
    const int rows = int(cases.size() + kColumns - 1) / kColumns;
    BrowserSession browser;
    ASSERT_TRUE(browser.open(QUrl::fromLocalFile(path).toString(), kColumns * kCell, rows * kCell))
        << browser.error().toStdString();
    const QJsonValue answer = browser.evaluate(probeScript(int(cases.size())));
    ASSERT_TRUE(answer.isString()) << browser.error().toStdString();
    const QJsonArray hits = QJsonDocument::fromJson(answer.toString().toUtf8()).array();
    ASSERT_EQ(hits.size(), qsizetype(cases.size()));
    for (size_t i = 0; i < cases.size(); ++i) {
        const AreaParseCase& c = cases[i];
        QString expected;
        for (int ky = 0; ky < kProbes; ++ky) {
            for (int kx = 0; kx < kProbes; ++kx)
                expected += expectedHit(c, probeX(kx), probeY(ky)) ? '1' : '0';
        }
        EXPECT_EQ(hits[qsizetype(i)].toString(), expected)
            << "case " << i << ": " << (c.shape ? c.shape : "-") << " / " << c.coords.toStdString();
    }
}
