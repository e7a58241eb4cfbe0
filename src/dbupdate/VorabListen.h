#pragma once

#include <QString>
#include <QStringList>

namespace dbupdate {

// The free-text lines of box 44 join the pre-stamper lists: "44_1", "44_2"
// and "44_3" go directly after the entry "44" of "Vorab.KD1" (boxes printed
// in advance) and, only when that list has "44", of "Vorab.KD0". Entries a
// list holds already are not added again, so repeated updates do not pile
// them up; a list that needs nothing is not rewritten, and a missing list
// stays missing. Raises sys::FileSystemError when a list cannot be read or written.
void VorabFelder44Einfuegen(const QString &programmVerzeichnis);

// The insertion on the lines of one list; false when "44" is not among them.
bool Felder44Einfuegen(QStringList &zeilen);

} // namespace dbupdate
