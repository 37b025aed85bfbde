#include "formats/HtmlPageScan.h"

#include <gtest/gtest.h>

namespace {

HtmlTag tagAt(QByteArrayView text, qsizetype pos = 0) {
    HtmlTag tag;
    HtmlPageScan::readTag(text, pos, tag);
    return tag;
}

} // namespace

TEST(HtmlPageScan, TokenizerReadsNamesValuesAndQuotes) {
    const QByteArrayView text = "<img SRC = \"a b.gif\" width=10 ismap Alt='x y' a=1>tail";
    const HtmlTag tag = tagAt(text);
    EXPECT_TRUE(tag.is("IMG"));
    EXPECT_FALSE(tag.closing);
    EXPECT_EQ(tag.end, text.indexOf("tail"));
    ASSERT_EQ(tag.attributes.size(), 5u);
    EXPECT_EQ(tag.attributes[0].value, "a b.gif");
    EXPECT_TRUE(tag.attributes[0].quoted);
    EXPECT_EQ(tag.attributes[1].value, "10");
    EXPECT_FALSE(tag.attributes[1].quoted);
    EXPECT_EQ(tag.attributes[2].name, "ismap");
    EXPECT_TRUE(tag.attributes[2].value.isEmpty());
    // Single quotes are quotes, as browsers read them.
    EXPECT_EQ(tag.attribute("ALT"), "x y");
    EXPECT_EQ(tag.attributes[3].quote, '\'');
    EXPECT_EQ(tag.attributes[4].name, "a");
    // Names run to white space, "/", ">" or "=", as browsers read them.
    const HtmlTag xml = tagAt("<img xml:lang=en data-x='1'/>");
    ASSERT_EQ(xml.attributes.size(), 2u);
    EXPECT_EQ(xml.attributes[0].name, "xml:lang");
    EXPECT_TRUE(xml.selfClosing);
    EXPECT_FALSE(tagAt("<img src=a.png/>").selfClosing); // the "/" is the value's
    // Attribute names compare without regard to case; the first match wins.
    EXPECT_EQ(tagAt("<a href=1 HREF=2>").attribute("Href"), "1");
}

TEST(HtmlPageScan, TokenizerReadsCommentsAndClosingTags) {
    const QByteArrayView text = "<!--  #$TITLE:x <b>  -->rest</MAP >";
    const HtmlTag comment = tagAt(text);
    EXPECT_TRUE(comment.isComment);
    EXPECT_EQ(comment.comment, "#$TITLE:x <b>");
    EXPECT_EQ(comment.resume, text.indexOf("rest"));
    const HtmlTag closing = tagAt(text, text.indexOf("</"));
    EXPECT_TRUE(closing.closing);
    EXPECT_TRUE(closing.is("MAP"));
    EXPECT_EQ(closing.end, text.size());
}

TEST(HtmlPageScan, TagEndsAfterItsOwnCloseEvenWhenSelfClosed) {
    const QByteArrayView text = "<IMG SRC=\"a.gif\" />x";
    EXPECT_EQ(tagAt(text).end, text.indexOf('x'));
    // A "<" inside a broken tag still starts the next one.
    const QByteArrayView page = "if a < b then <IMG SRC=x.gif> and <IMG SRC=y.gif";
    const HtmlPageScan scan = HtmlPageScan::scan(page);
    ASSERT_EQ(scan.imgs.size(), 2u);
    EXPECT_EQ(scan.imgs[0].src, "x.gif");
    EXPECT_EQ(scan.imgs[1].end, page.size()); // never closed: it runs to the end
}

TEST(HtmlPageScan, RecordsImgTagsWithTheirAttributes) {
    const QByteArrayView text = "<P><IMG SRC=\"pic.gif\" USEMAP=\"#Main\" WIDTH=10 ALT=\"a\">"
                                "<img src=b.gif usemap=other.htm#x border=\"2\">";
    const HtmlPageScan scan = HtmlPageScan::scan(text);
    ASSERT_EQ(scan.imgs.size(), 2u);
    const HtmlImg& a = scan.imgs[0];
    EXPECT_EQ(a.start, 3);
    EXPECT_EQ(a.end, text.indexOf("<img"));
    EXPECT_EQ(a.src, "pic.gif");
    EXPECT_EQ(a.mapRef, "Main");
    ASSERT_EQ(a.carried.size(), 2u);
    EXPECT_EQ(a.carried[0].name, "WIDTH");
    EXPECT_EQ(a.carried[1].value, "a");
    // A USEMAP that does not start with "#" is carried, not a map reference.
    const HtmlImg& b = scan.imgs[1];
    EXPECT_TRUE(b.mapRef.isEmpty());
    ASSERT_EQ(b.carried.size(), 2u);
    EXPECT_EQ(b.carried[0].value, "other.htm#x");
    EXPECT_TRUE(b.carried[1].quoted);
}

TEST(HtmlPageScan, RecordsCompleteMapsWithAreasAndTrackingLines) {
    const QByteArrayView text = "<!-- #$TITLE:outside -->"
                                "<MAP NAME=\"Main\"><!-- #$AUTHOR:me --><!-- plain -->"
                                "<AREA SHAPE=rect COORDS=\"1,2,3,4\" HREF=a.htm ALT=\"A\" TARGET=t>"
                                "<area shape=RECT href=dropped.htm>"
                                "<AREA SHAPE=default HREF=\"home.htm\">"
                                "<MAP NAME=inner>"
                                "</MAP> <BODY></BODY> </MAP><MAP NAME=open><AREA COORDS=1,1,2,2>";
    const HtmlPageScan scan = HtmlPageScan::scan(text);
    ASSERT_EQ(scan.maps.size(), 1u); // the map without a closing tag is not recorded
    const HtmlMapBlock& map = scan.maps[0];
    EXPECT_EQ(map.name, "Main");
    EXPECT_EQ(map.start, text.indexOf("<MAP"));
    EXPECT_EQ(map.end, text.indexOf(" <BODY>"));
    ASSERT_EQ(map.tracking.size(), 1u);
    EXPECT_EQ(map.tracking[0], "#$AUTHOR:me");
    // Every AREA is kept, with COORDS or without.
    ASSERT_EQ(map.areas.size(), 3u);
    EXPECT_EQ(map.areas[0].shape, "rect");
    EXPECT_EQ(map.areas[0].coords, "1,2,3,4");
    EXPECT_EQ(map.areas[0].href, "a.htm");
    EXPECT_EQ(map.areas[0].alt, "A");
    EXPECT_EQ(map.areas[0].target, "t");
    EXPECT_EQ(map.areas[1].href, "dropped.htm");
    EXPECT_EQ(text.sliced(map.areas[1].start, map.areas[1].end - map.areas[1].start),
              "<area shape=RECT href=dropped.htm>");
    EXPECT_EQ(map.areas[2].href, "home.htm");
    EXPECT_EQ(scan.bodyEnd, text.indexOf("</BODY>"));
}

TEST(HtmlPageScan, CommentsHideTagsAndTheLastBodyEndWins) {
    const QByteArrayView text = "<!-- <MAP NAME=x></MAP> </BODY> --></BODY>x</body >";
    const HtmlPageScan scan = HtmlPageScan::scan(text);
    EXPECT_TRUE(scan.maps.empty());
    EXPECT_EQ(scan.bodyEnd, text.lastIndexOf("</body"));
    EXPECT_EQ(HtmlPageScan::scan("<HTML><BODY>text").bodyEnd, 0);
}

TEST(HtmlPageScan, WhatGoesBeyondTheCapacitiesIsIgnored) {
    QByteArray text = "<IMG SRC=a.gif";
    for (int i = 0; i < 40; ++i)
        text += " A" + QByteArray::number(i) + "=" + QByteArray::number(i);
    text += ">";
    for (int i = 0; i < HtmlPageScan::kMaxImgs + 6; ++i)
        text += "<IMG SRC=" + QByteArray::number(i) + ".gif>";
    text += "<MAP NAME=big>";
    for (int i = 0; i < HtmlPageScan::kMaxAreasPerMap + 76; ++i)
        text += "<AREA COORDS=\"" + QByteArray::number(i % 1000) + ",0,1,1\">";
    for (int i = 0; i < 70; ++i)
        text += "<!-- #$DESCRIPTION:" + QByteArray::number(i) + " -->";
    text += "</MAP>";
    for (int i = 0; i < HtmlPageScan::kMaxMaps + 4; ++i)
        text += "<MAP NAME=m" + QByteArray::number(i) + "></MAP>";

    const HtmlPageScan scan = HtmlPageScan::scan(text);
    ASSERT_EQ(int(scan.imgs.size()), HtmlPageScan::kMaxImgs);
    EXPECT_EQ(int(scan.imgs[0].carried.size()), 40); // every attribute a tag has
    ASSERT_EQ(int(scan.maps.size()), HtmlPageScan::kMaxMaps);
    EXPECT_EQ(int(scan.maps[0].areas.size()), HtmlPageScan::kMaxAreasPerMap);
    EXPECT_EQ(scan.maps[0].areasBeyond, 76);
    EXPECT_EQ(int(scan.maps[0].tracking.size()), HtmlPageScan::kMaxTrackingLines);
    EXPECT_EQ(scan.maps.back().name, "m" + QByteArray::number(HtmlPageScan::kMaxMaps - 2));
}

TEST(HtmlPageScan, AreaAttributesAreToldApartInAnyCaseAndByEveryByte) {
    // The names the editor writes itself, in every mix of case, fill their
    // fields; a name that differs from one in any byte (a non-letter that
    // a case fold would bring near it, one byte more or less) is another
    // attribute, kept as written.
    const QByteArrayView text = "<map name=m>"
                                "<AREA sHaPe=poly CoOrDs=\"1,2\" HrEf=h aLT=a TaRgEt=t TITLE=n>"
                                "<area @lt=x hre=y hrefs=z coord[=w shap=v title_=u tArget=t2>"
                                "</map>";
    const HtmlPageScan scan = HtmlPageScan::scan(text);
    ASSERT_EQ(scan.maps.size(), 1u);
    ASSERT_EQ(scan.maps[0].areas.size(), 2u);
    const HtmlAreaEntry& written = scan.maps[0].areas[0];
    EXPECT_EQ(written.shape, "poly");
    EXPECT_EQ(written.coords, "1,2");
    EXPECT_EQ(written.href, "h");
    EXPECT_EQ(written.alt, "a");
    EXPECT_EQ(written.target, "t");
    EXPECT_EQ(written.title.value, "n");
    EXPECT_TRUE(written.others.kept.empty());
    const HtmlAreaEntry& others = scan.maps[0].areas[1];
    EXPECT_TRUE(others.alt.isEmpty() && others.href.isEmpty() && others.coords.isEmpty());
    EXPECT_TRUE(others.shape.isEmpty() && others.title.name.isEmpty());
    EXPECT_EQ(others.target, "t2");
    std::vector<QByteArrayView> names;
    for (const HtmlAttribute& a : others.others.kept)
        names.push_back(a.name);
    EXPECT_EQ(names,
              (std::vector<QByteArrayView>{"@lt", "hre", "hrefs", "coord[", "shap", "title_"}));
}
