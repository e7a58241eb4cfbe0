#pragma once

#include <QString>

class QWidget;

// The entry forms that are open, by form name ("frmEinheit"). A picker that
// takes its choice straight into an entry form (the Tag it was given names
// the box) finds the form here and writes into its control by name, so
// pickers and entry forms know nothing of each other.

// The form registers itself when it is shown and signs off when it goes; a
// second form of the same name takes the place of the first.
void registriereEingabeformular(const QString &name, QWidget *formular);
// Signs off the form under that name, unless another form has taken it.
void abmeldenEingabeformular(const QString &name, QWidget *formular);
// The open form of that name, or nullptr.
QWidget *offenesEingabeformular(const QString &name);

// Writes the text into the named control of the open form as if the clerk had
// typed it (a data edit stores it in its field at once). False, and nothing
// written, when the form is not open or has no such edit.
bool inEingabefeldSchreiben(const QString &formular, const QString &steuerelement, const QString &text);
// The current text of the named control of the open form; empty when either
// is missing.
QString eingabefeldText(const QString &formular, const QString &steuerelement);
