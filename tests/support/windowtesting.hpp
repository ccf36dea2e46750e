#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

namespace quorval::testing {

// The visible top-level window of that name, or nothing.
inline QWidget* visibleWindow(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return w;
    return nullptr;
}

// The window's control of that name; a missing one fails the test.
template <typename T>
T* child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
}

// Closes every visible top-level window but `keep` and deletes what closing let go of.
inline void closeWindowsExcept(const QWidget* keep) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != keep && w->isVisible()) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace quorval::testing
