#pragma once

// SHAPE and COORDS values and the area each gives a browser, after the
// HTML rules for a list of floating-point numbers and for the SHAPE
// keywords: separators, junk before a number, fractions, exponents, "%",
// swapped corners, synonyms and look-alike letters, and areas that have
// no shape at all. Geometry is in whole pixels as the editor holds it; no
// fraction in the table puts an edge within half a pixel of a probe point.
#include <QByteArray>

#include <vector>

struct AreaParseCase {
    const char* shape;  // the SHAPE value; null: no SHAPE attribute
    QByteArray coords;  // the COORDS value
    char kind;          // 'R' rectangle, 'C' circle, 'P' polygon, 'N' no shape
    std::vector<int> v; // l,t,r,b / x,y,radius / x,y,... ; none for 'N'
};

inline const std::vector<AreaParseCase>& areaParseCases() {
    static const std::vector<AreaParseCase> cases = {
        {"rect", "2,2,40,40", 'R', {2, 2, 40, 40}},
        {"rect", "2;2;40;40", 'R', {2, 2, 40, 40}},
        {"rect", "2 2\t40\n40", 'R', {2, 2, 40, 40}},
        {"rect", "2\r2\f40 ,; 40", 'R', {2, 2, 40, 40}},
        {"rect", " ,,2,2,,40,40,, ", 'R', {2, 2, 40, 40}},
        {"rect",
         "2\x0b"
         "2,40,40",
         'N',
         {}}, // a vertical tab separates nothing
        {"rect",
         QByteArray("2\0"
                    "2,40,40",
                    7),
         'N',
         {}}, // nor does a NUL
        {"rect", "='2,2,40,40'", 'R', {2, 2, 40, 40}},
        {"rect", "x2,px2,a40,#40", 'R', {2, 2, 40, 40}},
        {"rect", "+2,+2,+40,+40", 'R', {2, 2, 40, 40}},
        {"rect", "2px,2px,40px,40px", 'R', {2, 2, 40, 40}},
        {"rect", "1.4,2,40.6,39.9", 'R', {1, 2, 41, 40}},
        {"rect", ".4,2,40,40.", 'R', {0, 2, 40, 40}},
        {"rect", "1e1,1E1,4e1,4e+1", 'R', {10, 10, 40, 40}},
        {"rect", "10%,10%,40%,40%", 'R', {10, 10, 40, 40}},
        {"rect", "--2,2,40,40", 'R', {0, 2, 40, 40}},
        {"rect", "1e400,2,40,40", 'R', {0, 2, 40, 40}},
        {"rect", "-5,-5,20,20", 'R', {-5, -5, 20, 20}},
        {"rect", "40,40,2,2", 'R', {2, 2, 40, 40}},
        {"rect", "40,2,2,40", 'R', {2, 2, 40, 40}},
        {"rect", "2,2,40", 'N', {}},
        {"rect", "", 'N', {}},
        {"rect", "2,2,2,40", 'N', {}},
        {nullptr, "2,2,40,40", 'R', {2, 2, 40, 40}},
        {"foobar", "2,2,40,40", 'R', {2, 2, 40, 40}},
        {"RECTANGLE", "2,2,40,40", 'R', {2, 2, 40, 40}},
        {"circle", "30,30,20", 'C', {30, 30, 20}},
        {"circ", "30,30,20", 'C', {30, 30, 20}},
        {"CiRcLe", "30;30;20;99", 'C', {30, 30, 20}},
        {" circle", "30,30,20", 'N', {}},       // no keyword: a rectangle of 3 numbers
        {"c\xc4\xb1rcle", "30,30,20", 'N', {}}, // dotless i
        {"C\xc4\xb0RCLE", "30,30,20", 'N', {}}, // dotted capital I
        {"circle", "30,30,0", 'N', {}},
        {"circle", "30,30,-10", 'N', {}},
        {"circle", "30,30", 'N', {}},
        {"poly", "2,2,40,2,40,40,2,40", 'P', {2, 2, 40, 2, 40, 40, 2, 40}},
        {"poly", "2,2,40,2,40,40,2,40,2,2", 'P', {2, 2, 40, 2, 40, 40, 2, 40}},
        {"polygon", "2 2 40 2 40 40", 'P', {2, 2, 40, 2, 40, 40}},
        {"POLY", "2,2,40,2,40,40,2", 'P', {2, 2, 40, 2, 40, 40}}, // an odd number left over
        {"poly", "2,2,40,2", 'N', {}},
        {"poly", "2,2,40,2,40,2", 'N', {}},
        {"poly", "", 'N', {}},
    };
    return cases;
}
