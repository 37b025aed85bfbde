#pragma once

#include <QLatin1String>
#include <QWidget>

#include <gtest/gtest.h>

// The child of a dialog or page by its object name; a part that is missing
// fails the test with its name (the caller's next step would crash on it).
template <class T>
T* part(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QLatin1String(name));
    EXPECT_TRUE(found) << name;
    return found;
}
