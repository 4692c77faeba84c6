#pragma once

#include <QObject>
#include <QString>
#include <gtest/gtest.h>

// The child of `owner` with this object name; a missing one fails the test
// that asked, naming the control, instead of crashing it on a null pointer.
template <typename T = QWidget> T* namedChild(const QObject& owner, const QString& name) {
    T* found = owner.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}
