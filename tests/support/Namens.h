#pragma once

// A form's control, button, menu or menu item by its component name; a
// missing one fails the test.

#include <QObject>
#include <gtest/gtest.h>

template<typename T>
T *namens(const QObject &eltern, const QString &name)
{
    T *gefunden = eltern.findChild<T *>(name);
    EXPECT_NE(gefunden, nullptr) << "kein " << T::staticMetaObject.className() << " \"" << name.toStdString() << "\"";
    return gefunden;
}
