#pragma once

#include <QString>

class QWidget;

// The entry forms that are open, by form name ("frmEinheit"), so that a
// selection dialog can write its choice straight into the form's controls
// without knowing the form's class. A form registers itself while it is
// shown and signs off when it closes.
void registriereEingabeformular(const QString &name, QWidget *form);
void abmeldenEingabeformular(const QString &name);
// nullptr when no form of that name is open.
QWidget *offenesEingabeformular(const QString &name);
