#pragma once

#include <QApplication>

// The QApplication that widget tests need, made on first use and kept for
// the whole test program. Offscreen unless the environment names a
// platform.
inline QApplication& qtTestApp() {
    static int argc = 1;
    static char name[] = "tessary-test";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}
