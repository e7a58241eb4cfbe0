#pragma once

#include <QString>

// The folder chooser. With FileName set, OK is possible only in a folder
// that holds that file; a name ending in ".DB" is a table of the folder's
// data store.
class TPathDialog
{
public:
    QString Title;
    QString FileName;
    // The start folder before Execute, the text of the path box after it
    // (after OK and after cancel alike), so the next call starts there.
    QString Path;

    // True when the chooser was closed with OK.
    bool Execute();

    // Whether the folder holds the file (or, for "X.DB", the table X).
    static bool OrdnerEnthaelt(const QString &ordner, const QString &dateiName);
};
