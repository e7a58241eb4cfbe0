#pragma once

#include <QString>
#include <QStringList>

namespace print {

// The installed printers by name. A print-settings row remembers its
// printer by name, never by its place in this list: the list changes when a
// printer is added or removed, and a place would then send official forms to
// another printer.
struct PrinterList
{
    QStringList names;
    QString defaultName; // empty when there is no default printer

    // The printers of this workstation (CUPS through Qt's print support).
    static PrinterList installed();

    // The installed printer a stored name stands for (in the list's own
    // spelling; CUPS names ignore case). Anything else gives an empty string,
    // "no printer chosen": a printer no longer installed, an empty entry, the
    // old entries "-1" and "LPT1", list positions.
    QString resolve(const QString &stored) const;
    bool isChosen(const QString &stored) const { return !resolve(stored).isEmpty(); }
};

} // namespace print
