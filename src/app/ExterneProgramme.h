#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The payment-order program's full path, looked up at start-up
// (TfrmMain::Zahlungsauftrag); empty when none is registered.
extern QString PelmoraPfad;

// Programs that came as "Name.exe" are installed here as "Name.exe" or as
// "Name": the file of either name in the folder, case ignored.
std::optional<QString> ProgrammDatei(const QString &ordner, const QString &name);

// Starts the program in the working folder and waits for its end. When it
// cannot be started, the clerk is told to start it by hand. Returns whether
// it was started.
bool ProgrammAusfuehren(const QString &programm, const QStringList &argumente, const QString &arbeitsordner);

// The warning for a program that could not be started.
QString ProgrammStartFehler();
