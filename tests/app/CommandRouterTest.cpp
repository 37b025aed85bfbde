#include "app/commands/CommandRouter.h"
#include "app/commands/ActionTable.h"
#include "support/QtTestApp.h"

#include <QAction>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

// A link of the chain that answers for the commands it was given.
struct Link : CommandTarget {
    std::map<CommandId, CommandState> states;
    QList<CommandId> carriedOut;
    bool onCommand(CommandId id) override {
        if (!states.count(id))
            return false;
        carriedOut << id;
        return true;
    }
    bool onUpdateCommand(CommandId id, CommandState& state) override {
        auto it = states.find(id);
        if (it == states.end())
            return false;
        state = it->second;
        return true;
    }
};

class CommandRouterTest : public ::testing::Test {
protected:
    QApplication& app = qtTestApp(); // before the actions
    ActionTable actions;
    Link view, frame;
    CommandRouter router{actions, [this] { return CommandRouter::Chain{&view, nullptr, &frame}; }};
};

constexpr CommandId kGrid = CommandId::Grid;
constexpr CommandId kSave = CommandId::Save;

} // namespace

TEST_F(CommandRouterTest, TheFirstLinkThatAnswersDecidesAndCarriesOut) {
    view.states[kGrid] = CommandState{};
    frame.states[kGrid] = CommandState{};
    EXPECT_TRUE(router.dispatch(kGrid));
    EXPECT_EQ(view.carriedOut, QList<CommandId>{kGrid});
    EXPECT_TRUE(frame.carriedOut.isEmpty());
}

TEST_F(CommandRouterTest, ACommandNoLinkAnswersForIsDisabledAndNotCarriedOut) {
    router.refresh();
    EXPECT_FALSE(actions.action(CommandId::Save)->isEnabled());
    EXPECT_FALSE(router.dispatch(kSave));

    CommandState disabled;
    disabled.enabled = false;
    frame.states[kSave] = disabled;
    EXPECT_FALSE(router.dispatch(kSave));
    EXPECT_TRUE(frame.carriedOut.isEmpty());
}

TEST_F(CommandRouterTest, UpdatesSetEnabledCheckedAndTextAndPutTheTextBack) {
    CommandState on;
    on.checked = true;
    on.text = QStringLiteral("Snap");
    frame.states[kGrid] = on;
    router.refresh();
    QAction* grid = actions.action(CommandId::Grid);
    EXPECT_TRUE(grid->isEnabled());
    EXPECT_TRUE(grid->isChecked());
    EXPECT_EQ(grid->text(), "Snap");

    frame.states[kGrid] = CommandState{};
    router.refresh();
    EXPECT_FALSE(grid->isChecked());
    EXPECT_EQ(grid->text(), "&Grid");
}

TEST_F(CommandRouterTest, TriggeredActionsArePostedCommandsRouteTheSameWay) {
    frame.states[kGrid] = CommandState{};
    router.refresh();
    actions.action(CommandId::Grid)->trigger();
    router.post(kGrid);
    EXPECT_EQ(frame.carriedOut.size(), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.carriedOut.size(), 2);
}

TEST(ActionTable, EveryCommandHasOneActionWithItsTexts) {
    qtTestApp();
    ActionTable actions;
    QAction* grid = actions.action(CommandId::Grid);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->statusTip(), "Turn on/off the Snap-To Grid");
    EXPECT_EQ(grid->toolTip(), "Grid");
    EXPECT_FALSE(grid->icon().isNull());
    EXPECT_EQ(actions.action(CommandId::Zoom3)->text(), "&3:1");
    EXPECT_EQ(actions.action(CommandId::Zoom3)->shortcut(), QKeySequence("Ctrl+Shift+3"));
    EXPECT_EQ(actions.action(CommandId::Copy)->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Ins")}));
    EXPECT_EQ(actions.action(CommandId::PreviousPane)->shortcut(), QKeySequence("Shift+F6"));
    std::set<CommandId> ids;
    for (QAction* action : actions.all()) {
        const std::optional<CommandId> id = ActionTable::commandOf(action);
        ASSERT_TRUE(id);
        EXPECT_FALSE(action->text().isEmpty());
        EXPECT_FALSE(action->statusTip().isEmpty()) << int(*id);
        ids.insert(*id);
    }
    EXPECT_EQ(qsizetype(ids.size()), actions.all().size());
}
