#pragma once

#include "ShellFakes.h"
#include "app/commands/CommandRouter.h"
#include "app/frames/MainFrame.h"
#include "app/frames/MyMDIChildWnd.h"
#include "app/shell/RecoveryKeeper.h"
#include "app/shell/TessaryApp.h"
#include "document/ImageMapDoc.h"
#include "document/RecoveryStore.h"
#include "model/Settings.h"
#include "support/QtTestApp.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <QtGlobal>

#include <functional>
#include <memory>

// An editor started offscreen with scripted dialogs, fake pictures and its
// settings in a temporary folder; map files are copies of the bundled sample.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        qtTestApp();
        ASSERT_TRUE(m_dir.isValid());
        Settings::setStoreFolder(m_dir.filePath("config"));
        Settings::app() = Settings{};
        // Recovery copies of the maps the tests change stay in the test's folder.
        RecoveryStore::setDefaultFolder(m_dir.filePath("recovery"));
        m_services.pictures.width = 400;
        m_services.pictures.height = 240;
        windowWarnings().clear();
        previousHandler() = qInstallMessageHandler(&noteWindowWarning);
    }
    void TearDown() override {
        m_app.reset();
        qInstallMessageHandler(previousHandler());
        // Qt warns when a window is marked changed while its title has no
        // place for the mark: the user then never sees the "*".
        EXPECT_TRUE(windowWarnings().isEmpty()) << windowWarnings().join('\n').toStdString();
        RecoveryKeeper::waitForWrites();
        RecoveryStore::setDefaultFolder({});
        Settings::app() = Settings{};
    }

    TessaryApp::Options options() {
        TessaryApp::Options o;
        o.instanceName = instanceName();
        o.dialogs = &m_dialogs;
        o.services = &m_services;
        o.installPrompter = false;
        return o;
    }
    QString instanceName() const { return m_dir.filePath("tessary-instance"); }

    // Starts the editor with arguments; the welcome dialog is off unless
    // the store says otherwise.
    TessaryApp& start(const QStringList& arguments = {}) {
        m_app.reset(); // one copy at a time
        m_app = std::make_unique<TessaryApp>(options());
        EXPECT_EQ(m_app->start(arguments), TessaryApp::StartResult::Running);
        return *m_app;
    }
    void storeValue(const QString& key, const QVariant& value) {
        QSettings ini(iniPath(), QSettings::IniFormat);
        ini.setValue(key, value);
    }
    QString iniPath() const { return m_dir.filePath("config/Corvane/Tessary.ini"); }

    // A copy of the sample map under name.
    QString sampleMap(const QString& name) {
        const QString path = m_dir.filePath(name);
        QFile::copy(QStringLiteral(TESSARY_SOURCE_DIR "/res/samples/sample.map"), path);
        return path;
    }

    MainFrame& frame() { return *m_app->mainFrame(); }
    bool dispatch(CommandId id) { return m_app->router().dispatch(id); }
    CommandState state(CommandId id) { return m_app->router().stateOf(id); }

    static void runEvents(int ms = 50) {
        QElapsedTimer timer;
        timer.start();
        do {
            processEvents();
        } while (timer.elapsed() < ms);
    }
    // Processes events until done() holds or ten seconds passed.
    static bool waitUntil(const std::function<bool()>& done) {
        QElapsedTimer timer;
        timer.start();
        while (!done() && timer.elapsed() < 10000)
            processEvents();
        return done();
    }
    // Without a running event loop, windows closed with deleteLater are
    // deleted only when asked.
    static void processEvents() {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static QStringList& windowWarnings() {
        static QStringList warnings;
        return warnings;
    }
    static void noteWindowWarning(QtMsgType type, const QMessageLogContext& context,
                                  const QString& text) {
        if (type == QtWarningMsg && text.contains(QLatin1String("setWindowModified")))
            windowWarnings() << text;
        else if (previousHandler())
            previousHandler()(type, context, text);
    }
    static QtMessageHandler& previousHandler() {
        static QtMessageHandler handler = nullptr;
        return handler;
    }

    QTemporaryDir m_dir;
    ScriptedAppDialogs m_dialogs;
    TestDocumentServices m_services;
    ScriptedPrompter m_prompter;
    std::unique_ptr<TessaryApp> m_app;
};
