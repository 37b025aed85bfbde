// Recovery copies in the running editor: kept while a map has changes not
// saved, gone with a save or a close without saving; offered at start-up in
// "Recover Maps" before the welcome dialog; and the whole way through a
// killed editor.
#include "ShellFixture.h"

#include "app/dialogs/PrefsGeneral.h"
#include "app/dialogs/RecoverMapsDialog.h"
#include "app/shell/DocumentManager.h"
#include "document/ProcessIdentity.h"
#include "formats/HtmlPageScan.h"
#include "model/Strings.h"

#include <QCheckBox>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using C = CommandId;

// A process id that ran once and runs no more.
qint64 endedPid() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

class RecoveryTest : public ShellTest {
protected:
    RecoveryStore store() const { return RecoveryStore(m_dir.filePath("recovery")); }
    std::vector<RecoveryStore::Entry> copies() const {
        RecoveryKeeper::waitForWrites();
        return store().list();
    }
    CImageMapDoc& doc() { return frame().activeChild()->document(); }
    // Waits out the pause after a change, and the write.
    bool copyWritten(size_t count = 1) {
        return waitUntil([&] { return copies().size() == count; });
    }

    // A copy of a map with two areas whose editor ended.
    RecoveryCopy orphan(const QString& page, qint64 pageSize) {
        RecoveryCopy copy;
        copy.state.info.title = "Shop";
        copy.state.path = copy.state.mapPath = page;
        copy.state.imagePath = m_dir.filePath("shop.png");
        copy.state.info.imageFile = "shop.png";
        for (int i = 0; i < 2; ++i) {
            PictureArea a;
            a.rect = {10 + 50 * i, 10, 50 + 50 * i, 40};
            a.texts.url = "a" + QByteArray::number(i) + ".htm";
            copy.state.areas.push_back(a);
        }
        copy.time = QDateTime::currentDateTimeUtc();
        copy.ownerPid = endedPid();
        copy.pageSize = pageSize;
        return copy;
    }
};

} // namespace

// A change starts the pause; the copy then holds the map as it is. A save
// removes it; a close with Cancel keeps it, a close with No removes it.
TEST_F(RecoveryTest, ACopyFollowsChangesUntilSaveOrCloseWithoutSaving) {
    start({sampleMap("site.map")});
    ASSERT_TRUE(waitUntil([&] { return frame().activeChild() != nullptr; }));
    runEvents(300);
    EXPECT_TRUE(copies().empty()); // opened, not yet changed by the user
    const int areas = doc().areaCount();
    doc().deleteArea(0);
    runEvents(RecoveryKeeper::kPauseMs / 2);
    EXPECT_TRUE(copies().empty()); // not before the pause
    ASSERT_TRUE(copyWritten());
    std::vector<RecoveryStore::Entry> list = copies();
    ASSERT_TRUE(list[0].readable) << list[0].reason.toStdString();
    EXPECT_EQ(int(list[0].copy.state.areas.size()), areas - 1);
    EXPECT_EQ(list[0].copy.ownerPid, ProcessIdentity::currentPid());
    EXPECT_TRUE(list[0].copy.state.fromServerMap);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(store().filePath(list[0].name)).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    // Save removes it.
    const QString page = m_dir.filePath("site.htm");
    m_services.dialogs.saveAs = [&](DocumentDialogs::SaveAs& request) {
        request.path = page;
        return true;
    };
    ASSERT_TRUE(dispatch(C::Save));
    ASSERT_FALSE(doc().isModified());
    EXPECT_TRUE(copies().empty());

    // Cancel keeps it, No removes it.
    doc().deleteArea(0);
    ASSERT_TRUE(copyWritten());
    m_prompter.script({Prompter::Answer::Cancel});
    dispatch(C::Close);
    runEvents();
    ASSERT_EQ(frame().children().size(), 1);
    EXPECT_EQ(copies().size(), 1u);
    m_prompter.script({Prompter::Answer::No});
    dispatch(C::Close);
    ASSERT_TRUE(waitUntil([&] { return frame().children().isEmpty(); }));
    EXPECT_TRUE(copies().empty());

    // With the preference off no copy is written.
    Settings::app().saveRecoveryCopies = false;
    ASSERT_TRUE(m_app->documents().openMapFile(page, QString()));
    doc().deleteArea(0);
    runEvents(RecoveryKeeper::kPauseMs + 500);
    EXPECT_TRUE(copies().empty());
}

// At start-up the copies of editors that ended are offered before the
// welcome dialog; a copy this editor owns is not. A copy that cannot be read
// is listed with its reason until deleted; Recover opens the map modified,
// with its page as save target and a clean undo stack; its page changed
// since, so the user is told and Save asks first.
TEST_F(RecoveryTest, StartUpOffersOrphanedCopiesAndRecoversThem) {
    QFile::copy(QStringLiteral(TESSARY_SOURCE_DIR "/res/samples/sample.map"),
                m_dir.filePath("shop.map"));
    const QString page = m_dir.filePath("shop.htm");
    {
        QFile f(page);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<HTML><BODY>\r\n<P>The shop.</P>\r\n</BODY></HTML>\r\n");
    }
    const RecoveryStore s = store();
    ASSERT_TRUE(s.write("a.recovery", orphan(page, 5).encode()));
    ASSERT_TRUE(s.write("b.recovery", "Tessary recovery copy 9\n\n"));
    RecoveryCopy mine = orphan(QString(), -1);
    mine.ownerPid = ProcessIdentity::currentPid();
    mine.ownerStart = ProcessIdentity::startTime(mine.ownerPid);
    ASSERT_TRUE(s.write("c.recovery", mine.encode()));

    m_dialogs.recoveryAnswers = {{AppDialogs::RecoveryAction::Delete, {1}},
                                 {AppDialogs::RecoveryAction::Recover, {0}}};
    start();
    runEvents();
    ASSERT_EQ(m_dialogs.recoveryShown.size(), 2);
    EXPECT_EQ(m_dialogs.welcomeShownAtFirstRecovery, 0);
    // The recovered map is what start-up opened: the welcome makes way.
    EXPECT_EQ(m_dialogs.welcomeShown, 0);
    const QList<AppDialogs::RecoveryRow> first = m_dialogs.recoveryShown[0];
    ASSERT_EQ(first.size(), 2);
    EXPECT_TRUE(first[0].recoverable);
    EXPECT_EQ(first[0].title, "Shop");
    EXPECT_EQ(first[0].page, page);
    EXPECT_EQ(first[0].picture, m_dir.filePath("shop.png"));
    EXPECT_EQ(first[0].areas, 2);
    EXPECT_FALSE(first[1].recoverable);
    EXPECT_TRUE(first[1].reason.contains("another version"));
    EXPECT_EQ(m_dialogs.recoveryShown[1].size(), 1); // the deleted one is gone
    EXPECT_FALSE(QFile::exists(s.filePath("b.recovery")));

    ASSERT_EQ(frame().children().size(), 1);
    EXPECT_TRUE(doc().isModified());
    EXPECT_FALSE(doc().canUndo());
    EXPECT_EQ(doc().path(), page);
    EXPECT_EQ(doc().areaCount(), 2);
    EXPECT_TRUE(m_prompter.texts().join('\n').contains("has changed since"));
    // The window keeps the copy under its name, now in this editor's name.
    RecoveryKeeper::waitForWrites();
    EXPECT_EQ(s.read("a.recovery").copy.ownerPid, ProcessIdentity::currentPid());
    EXPECT_TRUE(QFile::exists(s.filePath("c.recovery")));

    // Save asks before it writes into the changed page: Cancel saves nothing.
    m_prompter.clear();
    m_prompter.script({Prompter::Answer::Cancel});
    dispatch(C::Save);
    ASSERT_EQ(m_prompter.shown().size(), 1);
    EXPECT_TRUE(m_prompter.shown()[0].text.contains("anyway"));
    EXPECT_TRUE(doc().isModified());
    m_prompter.script({Prompter::Answer::Yes});
    ASSERT_TRUE(dispatch(C::Save));
    EXPECT_FALSE(doc().isModified());
    QFile saved(page);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray text = saved.readAll();
    EXPECT_TRUE(text.contains("<P>The shop.</P>"));
    ASSERT_EQ(HtmlPageScan::scan(text).maps.size(), 1u);
    EXPECT_EQ(HtmlPageScan::scan(text).maps[0].areas.size(), 2u);
    EXPECT_FALSE(QFile::exists(s.filePath("a.recovery")));
}

// Later keeps every copy for the next start, which offers them again.
TEST_F(RecoveryTest, LaterKeepsTheCopiesForTheNextStart) {
    ASSERT_TRUE(store().write("a.recovery", orphan(QString(), -1).encode()));
    start();
    runEvents();
    ASSERT_EQ(m_dialogs.recoveryShown.size(), 1);
    EXPECT_EQ(m_dialogs.recoveryShown[0][0].page, Strings::text(Str::RecoverNewMap));
    EXPECT_TRUE(frame().children().isEmpty());
    start();
    runEvents();
    EXPECT_EQ(m_dialogs.recoveryShown.size(), 2);
    EXPECT_EQ(copies().size(), 1u);
}

// The dialog: a row per copy with its check box, the unreadable one with its
// reason and unchecked; Recover is the default button.
TEST_F(RecoveryTest, TheDialogListsEachCopyAndRecoverIsTheDefault) {
    AppDialogs::RecoveryRow good{
        "Shop", "/pages/shop.htm", "/pictures/shop.png", 12, QDateTime::currentDateTime(), true,
        {}};
    AppDialogs::RecoveryRow bad;
    bad.recoverable = false;
    bad.reason = Strings::text(Str::RecoveryTruncated);
    RecoverMapsDialog dialog({good, bad});
    EXPECT_EQ(dialog.windowTitle(), "Recover Maps");
    QTreeWidget* list = dialog.list();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "Shop");
    EXPECT_EQ(list->topLevelItem(0)->text(1), "/pages/shop.htm");
    EXPECT_EQ(list->topLevelItem(0)->text(3), "12");
    EXPECT_TRUE(list->topLevelItem(1)->text(0).startsWith("cannot be recovered: "));
    EXPECT_TRUE(list->topLevelItem(1)->text(0).contains(bad.reason));
    EXPECT_EQ(dialog.checkedRows(), QList<int>({0}));
    auto* recover = dialog.findChild<QPushButton*>("recover");
    ASSERT_TRUE(recover);
    EXPECT_TRUE(recover->isDefault());
    QTimer::singleShot(0, &dialog, [&] { dialog.findChild<QPushButton*>("delete")->click(); });
    list->topLevelItem(1)->setCheckState(0, Qt::Checked);
    EXPECT_EQ(dialog.run(), AppDialogs::RecoveryAction::Delete);
    EXPECT_EQ(dialog.checkedRows(), QList<int>({0, 1}));
    QTimer::singleShot(0, &dialog, [&] { dialog.reject(); });
    EXPECT_EQ(dialog.run(), AppDialogs::RecoveryAction::Later);
}

// Preferences > General: the box and the interval, 10 to 600 seconds.
TEST_F(RecoveryTest, ThePreferenceAndItsIntervalAreOnTheGeneralPage) {
    Settings source;
    EXPECT_TRUE(source.saveRecoveryCopies);
    EXPECT_EQ(source.recoveryInterval, 30);
    source.recoveryInterval = 45;
    CPrefsGeneral page(source);
    page.show();
    auto* box = page.findChild<QCheckBox*>("saveRecoveryCopies");
    auto* interval = page.findChild<QSpinBox*>("recoveryInterval");
    ASSERT_TRUE(box && interval);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(interval->value(), 45);
    EXPECT_EQ(interval->minimum(), 10);
    EXPECT_EQ(interval->maximum(), 600);
    box->setChecked(false);
    EXPECT_FALSE(interval->isEnabled());
    interval->setValue(1000);
    Settings out;
    page.store(out);
    EXPECT_FALSE(out.saveRecoveryCopies);
    EXPECT_EQ(out.recoveryInterval, 600);

    Settings::app().recoveryInterval = 120;
    Settings::app().saveRecoveryCopies = false;
    Settings::app().save();
    Settings loaded;
    loaded.load();
    EXPECT_EQ(loaded.recoveryInterval, 120);
    EXPECT_FALSE(loaded.saveRecoveryCopies);
}

// End to end: the editor draws two areas, its copy is written, it is killed;
// the next start lists the map, Recover opens both areas, Save writes them
// into the page.
TEST_F(RecoveryTest, AKilledEditorsMapIsRecoveredAndSaved) {
    QProcess editor;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    editor.setProcessEnvironment(env);
    editor.start(QStringLiteral(TESSARY_BINARY_DIR "/bin/tessary_recovery_driver"), {m_dir.path()});
    ASSERT_TRUE(editor.waitForStarted());
    QByteArray said;
    ASSERT_TRUE(waitUntil([&] {
        said += editor.readAllStandardOutput();
        return said.contains("copy written") || said.contains("failed") ||
               editor.state() == QProcess::NotRunning;
    }));
    ASSERT_TRUE(said.contains("copy written")) << said.toStdString();
    editor.kill(); // SIGKILL: nothing of the editor's own ending runs
    ASSERT_TRUE(editor.waitForFinished());
    EXPECT_EQ(editor.exitStatus(), QProcess::CrashExit);

    m_dialogs.recoveryAnswers = {{AppDialogs::RecoveryAction::Recover, {0}}};
    m_services.dialogs.mapInfo = [](MapInfo& info) {
        info.title = "Recovered";
        return true;
    };
    start();
    runEvents();
    ASSERT_EQ(m_dialogs.recoveryShown.size(), 1);
    const AppDialogs::RecoveryRow row = m_dialogs.recoveryShown[0][0];
    EXPECT_TRUE(row.recoverable) << row.reason.toStdString();
    EXPECT_EQ(row.areas, 2);
    const QString page = m_dir.filePath("page.htm");
    EXPECT_EQ(row.page, page); // the page the map was started for, not yet written
    ASSERT_EQ(frame().children().size(), 1);
    ASSERT_EQ(doc().areaCount(), 2);
    EXPECT_EQ(doc().area(0)->imageRect().left, 21); // the driver presses a pixel inside
    EXPECT_EQ(doc().area(1)->imageRect().left, 151);
    EXPECT_EQ(doc().mapPath(), page);

    m_services.dialogs.saveAs = [&](DocumentDialogs::SaveAs& request) {
        EXPECT_EQ(request.folder, m_dir.path());
        request.path = page;
        return true;
    };
    ASSERT_TRUE(dispatch(C::Save));
    QFile saved(page);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const HtmlPageScan scan = HtmlPageScan::scan(saved.readAll());
    ASSERT_EQ(scan.maps.size(), 1u);
    EXPECT_EQ(scan.maps[0].areas.size(), 2u);
    EXPECT_TRUE(copies().empty());
}
