// Help > Contents, F1 and the toolbar's help button open the user guide
// shipped in the program's folder, in the desktop's browser.
#include "ShellFixture.h"

#include "app/shell/UserGuide.h"
#include "model/ProgramFolder.h"
#include "support/QtTestApp.h"

#include <QDesktopServices>
#include <QRegularExpression>
#include <QUrl>

namespace {

// Stands in for the desktop's browser.
class Browser : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void openUrl(const QUrl& url) { opened << url; }
};

} // namespace

TEST_F(ShellTest, HelpOpensTheUserGuideInTheBrowser) {
    Browser browser;
    QDesktopServices::setUrlHandler("file", &browser, "openUrl");
    start();
    EXPECT_TRUE(state(CommandId::HelpContents).enabled);
    EXPECT_TRUE(state(CommandId::Help).enabled);
    ASSERT_TRUE(dispatch(CommandId::HelpContents));
    ASSERT_TRUE(dispatch(CommandId::Help));
    QDesktopServices::unsetUrlHandler("file");
    const QUrl guide = QUrl::fromLocalFile(ProgramFolder::path() + "/help/index.html");
    EXPECT_EQ(browser.opened, (QList<QUrl>{guide, guide}));
    EXPECT_TRUE(m_prompter.texts().isEmpty());
    EXPECT_EQ(UserGuide::indexPath(), guide.toLocalFile());
}

// Every page the guide links to is shipped beside it, so no link of the
// guide leads nowhere.
TEST(UserGuidePages, EveryLinkReachesAShippedPage) {
    qtTestApp(); // the program's folder is found beside the program
    const QDir help(ProgramFolder::path() + "/help");
    const QStringList pages = help.entryList({"*.html"}, QDir::Files);
    ASSERT_TRUE(pages.contains("index.html"));
    for (const char* topic :
         {"drawing", "editing", "saving", "guides", "testmap", "wizards", "keys"})
        EXPECT_TRUE(pages.contains(QString(topic) + ".html")) << topic;
    const QRegularExpression link(R"(href="([^"#]+))");
    for (const QString& page : pages) {
        QFile file(help.filePath(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (auto m = link.globalMatch(text); m.hasNext();) {
            const QString target = m.next().captured(1);
            EXPECT_TRUE(help.exists(target))
                << page.toStdString() << " -> " << target.toStdString();
        }
    }
}

#include "UserGuideTest.moc"
