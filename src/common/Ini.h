#pragma once

#include <QString>
#include <QVariant>

// The workstation's settings: "Razazu.ini" in the program folder, section
// "Kandrel Razazu". Every call reads or writes the file at once.

QString IniDateiName();
QString IniAbschnitt();

// The key's text; text holds the default on the way in.
void IniEinlesen(const QString &schluessel, QString &text);
// false when the file could not be written (it then keeps its old contents).
bool IniEintragen(const QString &schluessel, const QString &text);

// The key's text, or the default ("-1" for a choice not made yet).
QString IniLesen(const QString &schluessel, const QString &vorgabe);
bool IniSchreiben(const QString &schluessel, const QString &text);

// Read and written by the kind of the default or value: integers, floats,
// dates, Booleans and text; any other kind returns the default unchanged or
// writes nothing.
QVariant IniWertLesen(const QString &dateiName, const QString &abschnitt, const QString &schluessel,
                      const QVariant &vorgabe);
bool IniWertSchreiben(const QString &dateiName, const QString &abschnitt, const QString &schluessel,
                      const QVariant &wert);
