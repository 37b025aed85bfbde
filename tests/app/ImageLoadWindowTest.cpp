#include "app/loading/ImageLoadWindow.h"
#include "support/QtTestApp.h"
#include "support/ScriptedPrompter.h"
#include "support/TestPictures.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ImageLoadWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        qtTestApp();
        ASSERT_TRUE(m_dir.isValid());
        QByteArray png = TestPictures::encoded(TestPictures::rgb(12, 10), "png");
        png.append(3000 - png.size(), '\0');
        m_path = m_dir.filePath("p.png");
        ASSERT_TRUE(TestPictures::writeFile(m_path, png));
    }
    template <class T>
    T* part(ImageLoadWindow& window, const char* name) {
        return window.findChild<T*>(QLatin1String(name));
    }

    QTemporaryDir m_dir;
    QString m_path;
    ScriptedPrompter m_prompter;
};

} // namespace

TEST_F(ImageLoadWindowTest, ShowsTheFileAndRunsTheProgressOverItsSize) {
    ImageLoadWindow window;
    const ImageLoadWindow::Outcome outcome = window.load(m_path);
    ASSERT_EQ(outcome.result, ImageLoader::Loaded);
    ASSERT_TRUE(outcome.image);
    EXPECT_EQ(outcome.image->width(), 12);
    EXPECT_EQ(window.windowTitle(), "Loading Image");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(part<QLabel>(window, "sizeLine")->text(), "12 by 10, 16777216 colors");
    EXPECT_EQ(part<QLabel>(window, "formatLine")->text(), "PNG format, 3000 bytes long");
    EXPECT_EQ(part<QProgressBar>(window, "progress")->maximum(), 3000);
    EXPECT_EQ(part<QProgressBar>(window, "progress")->value(), 3000);
    EXPECT_FALSE(part<QPushButton>(window, "cancel")->isEnabled());
}

TEST_F(ImageLoadWindowTest, CancelStopsFeedingAtTheNextChunkWithoutAMessage) {
    ImageLoadWindow window;
    // Arrives with the first events processed, after the first chunk.
    QMetaObject::invokeMethod(part<QPushButton>(window, "cancel"), "click", Qt::QueuedConnection);
    const ImageLoadWindow::Outcome outcome = window.load(m_path);
    EXPECT_EQ(outcome.result, ImageLoader::Cancelled);
    EXPECT_FALSE(outcome.image);
    EXPECT_EQ(part<QProgressBar>(window, "progress")->value(), 1024);
    EXPECT_TRUE(m_prompter.shown().isEmpty());
}

TEST_F(ImageLoadWindowTest, EscapeAndTheCloseBoxCancelInsteadOfClosing) {
    ImageLoadWindow window;
    window.show();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.cancelled());
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(ImageLoadWindowTest, RunGivesTheOutcomeOfOneLoad) {
    EXPECT_EQ(ImageLoadWindow::run(m_path).result, ImageLoader::Loaded);
    EXPECT_EQ(ImageLoadWindow::run(m_dir.filePath("none.png")).result, ImageLoader::Failed);
}
