#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <type_traits>

// Runs act on the modal dialog of type T once it shows: the test queues it
// before the call that opens the dialog and blocks in its event loop.
template <class T = QDialog>
void whenShown(std::type_identity_t<std::function<void(T&)>> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        act(*dialog);
    });
}
