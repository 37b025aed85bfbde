// What the wizards show a newcomer: format names as they are known, the
// map-name rule as it is checked, and folder trees open at their folder.
#include "model/Settings.h"
#include "model/Strings.h"
#include "support/QtTestApp.h"
#include "support/TempFiles.h"
#include "wizards/FileBrowser.h"
#include "wizards/MapNameValues.h"

#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QScrollBar>
#include <QTreeView>

#include <gtest/gtest.h>

TEST(WizardTexts, FormatsAndTheMapNameRuleReadAsTheyAreMeant) {
    EXPECT_EQ(Strings::text(Str::ImgWizFormatPng), "PNG");
    const QString rule = Strings::text(Str::MapNameRule);
    EXPECT_FALSE(rule.contains("punctuation"));
    EXPECT_TRUE(rule.contains("spaces") && rule.contains("double quotes") && rule.contains("\"#\""))
        << rule.toStdString();
    // The rule says what the check refuses, and what it takes.
    EXPECT_FALSE(MapNameValues::isValid("a b"));
    EXPECT_FALSE(MapNameValues::isValid("a\"b"));
    EXPECT_FALSE(MapNameValues::isValid("a#b"));
    EXPECT_TRUE(MapNameValues::isValid("nav-bar.2_(x)"));
}

// A folder deep in the tree is marked and scrolled into sight once the tree
// has filled in the background.
TEST(WizardTexts, FolderTreeScrollsToTheShownFolder) {
    qtTestApp();
    TempFiles files;
    QString deep = files.path("a");
    for (int i = 0; i < 12; ++i)
        deep += QStringLiteral("/level%1").arg(i);
    QDir().mkpath(deep);
    FileBrowser browser;
    browser.resize(400, 160);
    browser.show();
    ASSERT_TRUE(browser.openAt(deep));
    auto* tree = browser.findChild<QTreeView*>();
    ASSERT_TRUE(tree);
    const auto inSight = [&] {
        const QModelIndex current = tree->currentIndex();
        return current.isValid() &&
               current.data(QFileSystemModel::FilePathRole).toString() == deep &&
               tree->viewport()->rect().contains(tree->visualRect(current));
    };
    QElapsedTimer timer;
    timer.start();
    while (!inSight() && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(inSight());
}
