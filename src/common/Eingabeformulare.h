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

// The control of the form that edits the box: the control of that object
// name, or else the data control bound to the field of that name; nullptr
// when there is none (or no form).
QWidget *eingabeSteuerelement(QWidget *formular, const QString &steuerelement);
// Puts the text into the form's control as if the clerk had typed it over
// its contents, so a data edit hands it on to its field at once. False, and
// nothing written, when there is no such control or it takes no text.
bool eingabeSchreiben(QWidget *formular, const QString &steuerelement, const QString &text);

// The same into the open form of that name; false when it is not open.
bool inEingabefeldSchreiben(const QString &formular, const QString &steuerelement, const QString &text);
// The current text of the named control of the open form; empty when either
// is missing.
QString eingabefeldText(const QString &formular, const QString &steuerelement);
