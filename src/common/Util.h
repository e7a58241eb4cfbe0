#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

// The program folder with a trailing separator: the INI file, the
// pre-stamper files, the change list and the per-user folders lie there.
QString ProgrammVerzeichnis();

// True on every desktop the program runs on now: speed buttons can be drawn
// with a frame, which the option "XP_Themes" then decides.
bool IsNT5OrLater();

// The file version of the program. Only the running executable carries one
// (it is fixed when the program is built); for any other file the result is
// false and the numbers stay untouched.
bool DateiVersionLesen(const QString &dateiName, quint16 &major, quint16 &minor,
                       quint16 &release, quint16 &build);

// How the program ends other than by closing the main window: without the
// close question and without writing the options.
enum class ProgrammEnde { Beenden, Neustarten };

// Ends the program: the running event loops stop, or, while the start-up
// still runs, the main routine does not start one.
void ProgrammBeenden();
// Starts the program again from its executable, then ends this one.
void ProgrammNeustarten();
// Whether an end has been asked for (the main routine checks this after the
// start-up).
bool ProgrammEndeAngefordert();
void ProgrammEndeZuruecksetzen();

// Tests watch the end instead of having the event loops stopped. Returns the
// previous handler; an empty handler brings back the real end.
using ProgrammEndeHandler = std::function<void(ProgrammEnde art)>;
ProgrammEndeHandler setProgrammEndeHandler(ProgrammEndeHandler handler);
