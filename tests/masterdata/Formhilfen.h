#pragma once

// Acting on a master form as the clerk does: typing, keys, showing.

#include "masterdata/Stammformular.h"

#include "platform/db/Table.h"
#include "platform/ui/DataControls.h"

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

inline void tippen(QWidget *ziel, const QString &text)
{
    for (QChar zeichen : text) {
        QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(zeichen));
        QApplication::sendEvent(ziel, &druck);
    }
}

inline void taste(int key, const QString &text = {})
{
    QWidget *ziel = QApplication::focusWidget();
    ASSERT_NE(ziel, nullptr);
    QKeyEvent druck(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(ziel, &druck);
    QKeyEvent los(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(ziel, &los);
}

inline void zeigen(QWidget &form)
{
    form.show();
    QApplication::setActiveWindow(&form);
    form.activateWindow();
    QApplication::processEvents();
}

inline ui::DataEdit *edit(const masterdata::Stammformular &form, int nummer)
{
    return form.findChild<ui::DataEdit *>(QStringLiteral("DBEdit%1").arg(nummer));
}

inline QString feld(db::Table &tabelle, const QString &name)
{
    return tabelle.fieldByName(name).asString();
}

inline QString feld(masterdata::Stammformular &form, const QString &name)
{
    return feld(*form.Table1, name);
}
