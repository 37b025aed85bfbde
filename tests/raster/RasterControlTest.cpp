#include "raster/RasterControl.h"
#include "raster/Rastel.h"
#include "raster/RasterDispid.h"
#include "support/QtTestApp.h"
#include "support/TestPictures.h"

#include <gtest/gtest.h>

namespace {

using Access = RasterControl::Access;

class RasterControlTest : public ::testing::Test {
protected:
    void SetUp() override { qtTestApp(); }

    // Gives the component picture, as a PNG file image in memory.
    static quint16 hold(CRastel& rastel, const QImage& picture) {
        const QByteArray png = TestPictures::encoded(picture, "png");
        return rastel.loadMemory(png, qint32(png.size()));
    }
};

} // namespace

TEST_F(RasterControlTest, AnswersEveryMemberWithASixteenBitStatus) {
    RasterControl control;
    const QByteArray png = TestPictures::encoded(TestPictures::rgb(3, 2), "png");
    QVariant result;
    EXPECT_EQ(
        control.dispatch(RasterDispid::LoadMemory, Access::Method, {png, 0, 0, qint32(png.size())}),
        0);
    EXPECT_EQ(control.dispatch(RasterDispid::PictureWidth, Access::Get, {}, &result), 0);
    EXPECT_EQ(result.typeId(), QMetaType::Float);
    EXPECT_EQ(result.toFloat(), 3.0f);

    EXPECT_EQ(control.dispatch(999, Access::Method), RasterStatus::UnknownMember);
    EXPECT_EQ(control.dispatch(RasterDispid::Repaint, Access::Get), RasterStatus::UnknownMember);
    EXPECT_EQ(control.dispatch(RasterDispid::PictureWidth, Access::Put, {1.0f}),
              RasterStatus::UnknownMember);
    EXPECT_EQ(control.dispatch(RasterDispid::QueryFile, Access::Method, {QStringLiteral("x")}),
              RasterStatus::BadArgCount);
    EXPECT_EQ(
        control.dispatch(RasterDispid::StartFeedLoad, Access::Method, {QStringLiteral("8"), 0}),
        RasterStatus::TypeMismatch);
    EXPECT_EQ(control.dispatch(RasterDispid::StartFeedLoad, Access::Method, {70000, 0}),
              RasterStatus::BadArgument);
    EXPECT_EQ(control.dispatch(RasterDispid::LoadMemory, Access::Method, {png, 0, 0, -1}),
              RasterStatus::BadArgument);
}

TEST_F(RasterControlTest, ArgumentsConvertAsADispatchInterfaceAllows) {
    RasterControl control;
    // Integers of any width for 16-bit and float arguments, integers for Booleans.
    EXPECT_EQ(control.dispatch(RasterDispid::StartFeedLoad, Access::Method, {qint64(8), quint8(0)}),
              0);
    EXPECT_EQ(
        control.dispatch(RasterDispid::FeedLoad, Access::Method, {QByteArray("x"), quint8(1)}), 0);
    EXPECT_EQ(control.dispatch(RasterDispid::Painting, Access::Put, {1}), 0);
    QVariant on;
    control.dispatch(RasterDispid::Painting, Access::Get, {}, &on);
    EXPECT_TRUE(on.toBool());
}

TEST_F(RasterControlTest, APictureHandedOutIsSharedAndTheCallersToChange) {
    CRastel rastel;
    ASSERT_EQ(hold(rastel, TestPictures::palette(4, 4, 200)), 0);
    QImage first = rastel.picture();
    const QImage pristine = rastel.picture();
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first.constBits(), pristine.constBits()); // shared, not copied
    first.fill(0x55);                                   // the caller's to change or free
    first = QImage();
    EXPECT_EQ(rastel.picture(), pristine);
}

TEST_F(RasterControlTest, FeedsAndEndsOnlyInsideAFedLoad) {
    CRastel rastel;
    const QByteArray png = TestPictures::encoded(TestPictures::rgb(9, 7), "png");
    EXPECT_EQ(rastel.feedLoad(png, 10), RasterStatus::NotFeeding);
    EXPECT_EQ(rastel.stopFeedLoad(), RasterStatus::NotFeeding);

    ASSERT_EQ(rastel.startFeedLoad(), 0);
    EXPECT_EQ(rastel.feedLoad(png, int(png.size()) + 1), RasterStatus::BadArgument);
    for (qsizetype at = 0; at < png.size(); at += 100) {
        const QByteArray chunk = png.mid(at, 100).leftJustified(100, 'x');
        ASSERT_EQ(rastel.feedLoad(chunk, int(qMin<qsizetype>(100, png.size() - at))), 0);
    }
    EXPECT_EQ(rastel.stopFeedLoad(), 0);
    EXPECT_EQ(rastel.pictureWidth(), 9.0f);
    EXPECT_EQ(rastel.pictureHeight(), 7.0f);
    EXPECT_TRUE(TestPictures::samePixels(rastel.picture(), TestPictures::rgb(9, 7)));
    EXPECT_EQ(rastel.stopFeedLoad(), RasterStatus::NotFeeding);
}

TEST_F(RasterControlTest, CorruptDataFailsAndKeepsThePictureHeld) {
    CRastel rastel;
    ASSERT_EQ(hold(rastel, TestPictures::rgb(5, 5)), 0);
    QByteArray png = TestPictures::encoded(TestPictures::rgb(40, 40), "png");
    png.truncate(png.size() / 2);
    ASSERT_EQ(rastel.startFeedLoad(), 0);
    ASSERT_EQ(rastel.feedLoad(png, int(png.size())), 0);
    EXPECT_EQ(rastel.stopFeedLoad(), RasterStatus::FormatBad);
    EXPECT_EQ(rastel.loadMemory(QByteArray(300, 'z'), 300), RasterStatus::FormatBad);
    EXPECT_EQ(rastel.pictureWidth(), 5.0f);
}

TEST_F(RasterControlTest, LoadsTheGivenPartOfAMemoryImage) {
    CRastel rastel;
    const QByteArray png = TestPictures::encoded(TestPictures::rgb(6, 4), "png");
    EXPECT_EQ(rastel.loadMemory(png + QByteArray(50, '#'), int(png.size())), 0);
    EXPECT_EQ(rastel.pictureWidth(), 6.0f);
    EXPECT_EQ(rastel.loadMemory(png, int(png.size()) + 1), RasterStatus::BadArgument);
    EXPECT_EQ(rastel.loadMemory(png, int(png.size()) - 10), RasterStatus::FormatBad);
}

TEST_F(RasterControlTest, PaintsThePictureAtItsOwnSizeOnceItPaints) {
    CRastel rastel;
    QWidget* widget = rastel.widget();
    widget->resize(40, 30);
    const QRgb background = widget->palette().color(QPalette::Button).rgb();
    ASSERT_EQ(rastel.setPainting(false), 0);
    ASSERT_EQ(hold(rastel, TestPictures::solid(20, 10, qRgb(255, 0, 0))), 0);
    EXPECT_EQ(widget->grab().toImage().pixel(5, 5), background);

    ASSERT_EQ(rastel.setPainting(true), 0);
    ASSERT_EQ(rastel.repaint(), 0);
    const QImage shown = widget->grab().toImage();
    EXPECT_EQ(shown.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(19, 9), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(20, 5), background);
    EXPECT_EQ(shown.pixel(5, 10), background);
}

TEST_F(RasterControlTest, PaintsThePictureTheRightWayUp) {
    CRastel rastel;
    rastel.widget()->resize(4, 4);
    QImage picture = TestPictures::solid(4, 4, qRgb(0, 255, 0));
    for (int x = 0; x < 4; ++x)
        picture.setPixel(x, 0, qRgb(255, 0, 0));
    ASSERT_EQ(hold(rastel, picture), 0);
    const QImage shown = rastel.widget()->grab().toImage();
    EXPECT_EQ(shown.pixel(1, 0), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(1, 3), qRgb(0, 255, 0));
}

TEST_F(RasterControlTest, WrapperFailsQuietlyOnceItsComponentIsGone) {
    auto* parent = new QWidget;
    CRastel rastel(parent);
    delete parent;
    EXPECT_EQ(rastel.widget(), nullptr);
    EXPECT_EQ(rastel.repaint(), RasterStatus::NoControl);
    EXPECT_EQ(rastel.pictureWidth(), 0.0f);
    EXPECT_TRUE(rastel.picture().isNull());
}
