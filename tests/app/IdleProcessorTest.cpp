#include "app/shell/IdleProcessor.h"
#include "support/QtTestApp.h"

#include <QElapsedTimer>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Wants passes up to `last`, recording each.
struct CountingClient : IdleClient {
    int last = 0;
    QList<int> passes;
    bool onIdle(int pass) override {
        passes << pass;
        return pass < last;
    }
};

// Processes events until the idle passes have stopped (ten seconds at most).
void runUntilIdleStops(const IdleProcessor& idle) {
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    } while (idle.isRunning() && timer.elapsed() < 10000);
}

} // namespace

TEST(IdleProcessor, NumberedPassesRunWhileSomeClientWantsMore) {
    qtTestApp();
    IdleProcessor idle;
    CountingClient shortWork, longWork;
    shortWork.last = 1;
    longWork.last = 4;
    idle.addClient(&shortWork);
    idle.addClient(&longWork);
    runUntilIdleStops(idle);
    EXPECT_EQ(longWork.passes, (QList<int>{0, 1, 2, 3, 4}));
    // Everyone is asked on every pass, as long as any wants more.
    EXPECT_EQ(shortWork.passes, (QList<int>{0, 1, 2, 3, 4}));
    EXPECT_FALSE(idle.isRunning());
}

TEST(IdleProcessor, UserInputStartsOverAtPassZero) {
    qtTestApp();
    IdleProcessor idle;
    CountingClient client;
    client.last = 2;
    idle.addClient(&client);
    runUntilIdleStops(idle);
    ASSERT_EQ(client.passes.last(), 2);
    client.passes.clear();

    QWidget widget;
    widget.show();
    QTest::keyClick(&widget, Qt::Key_A);
    EXPECT_EQ(idle.nextPass(), 0);
    runUntilIdleStops(idle);
    EXPECT_EQ(client.passes, (QList<int>{0, 1, 2}));
}

TEST(IdleProcessor, AClientMayLeaveDuringAPass) {
    qtTestApp();
    IdleProcessor idle;
    struct Leaving : IdleClient {
        IdleProcessor* idle = nullptr;
        int calls = 0;
        bool onIdle(int) override {
            ++calls;
            idle->removeClient(this);
            return true;
        }
    } leaving;
    leaving.idle = &idle;
    idle.addClient(&leaving);
    runUntilIdleStops(idle);
    EXPECT_EQ(leaving.calls, 1);
    EXPECT_FALSE(idle.isRunning());
}
