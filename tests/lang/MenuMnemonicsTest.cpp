#include "LangSupport.h"

#include "app/commands/ActionTable.h"
#include "app/commands/MenuBuilder.h"
#include "model/Translation.h"
#include "support/QtTestApp.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The mnemonic letter of a menu text, folded so that "é" and "E" differ
// but "e" and "E" do not; 0 without one.
QChar mnemonicOf(const QString& text) {
    const QString plain = QString(text).replace(QStringLiteral("&&"), QString());
    const qsizetype at = plain.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < plain.size() ? plain[at + 1].toLower() : QChar();
}

// How many items of menu share their mnemonic with an earlier item, and
// which, for the message.
int clashes(const QMenu* menu, QStringList& seen) {
    QList<QChar> letters;
    int count = 0;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QChar letter = mnemonicOf(action->text());
        if (letter.isNull())
            continue;
        if (letters.contains(letter)) {
            ++count;
            seen << action->text();
        }
        letters << letter;
    }
    return count;
}

// Every menu of the editor in the installed language: the two menu bars
// with their menus, the zoom menu and the map view's context menus; the
// menu bar itself counts as a menu of its titles.
struct Menus {
    std::unique_ptr<ActionTable> actions = std::make_unique<ActionTable>();
    std::unique_ptr<QWidget> owner = std::make_unique<QWidget>();
    QList<const QMenu*> menus;
    QList<QMenuBar*> bars;

    Menus() {
        MenuBuilder* builder = new MenuBuilder(*actions, {}, owner.get());
        for (int id : {MenuBuilder::NoMapMenu, MenuBuilder::MapMenu}) {
            auto* bar = new QMenuBar(owner.get());
            builder->buildMenuBar(bar, id);
            bars << bar;
            addAll(bar->actions());
        }
        menus << builder->createZoomMenu(owner.get());
        for (int id = 150; id <= 155; ++id)
            menus << MenuBuilder::createContextMenu(id, *actions, owner.get());
        for (const QMenu* menu : QList<const QMenu*>(menus))
            addAll(menu->actions());
    }
    void addAll(const QList<QAction*>& items) {
        for (QAction* action : items) {
            if (action->menu() && !menus.contains(action->menu()))
                menus << action->menu();
        }
    }
    // Clashes per menu, in order, with the bars' titles last.
    QList<int> count(QStringList& seen) const {
        QList<int> counts;
        for (const QMenu* menu : menus)
            counts << clashes(menu, seen);
        for (QMenuBar* bar : bars) {
            QMenu titles;
            for (QAction* action : bar->actions())
                titles.addAction(action->text());
            counts << clashes(&titles, seen);
        }
        return counts;
    }
};

} // namespace

// A translation never makes two items of one menu share a mnemonic where
// the English menu has distinct ones.
TEST(MenuMnemonics, AreUniqueWithinEachMenuInEveryLanguage) {
    qtTestApp();
    QStringList englishClashes;
    const QList<int> english = Menus().count(englishClashes);
    ASSERT_GT(english.size(), 10);
    for (const QString& code : lang::kTranslated) {
        ASSERT_EQ(Translation::install(code), code);
        QStringList seen;
        const QList<int> translated = Menus().count(seen);
        ASSERT_EQ(translated.size(), english.size());
        for (qsizetype i = 0; i < english.size(); ++i)
            EXPECT_LE(translated[i], english[i])
                << code.toStdString() << " menu " << i << ": " << seen.join(", ").toStdString();
    }
    Translation::remove();
}
