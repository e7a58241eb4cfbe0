#include "VorabListen.h"

#include "platform/sys/Files.h"
#include "platform/sys/TextFile.h"

namespace dbupdate {

namespace {

const QStringList freitextZeilen = {QStringLiteral("44_1"), QStringLiteral("44_2"), QStringLiteral("44_3")};

// Whether the list has "44"; inserts what is missing and writes it back only
// when something was.
bool listeErgaenzen(const QString &programmVerzeichnis, const QString &dateiName)
{
    const std::optional<QString> pfad = sys::findFileIgnoringCase(programmVerzeichnis, dateiName);
    if (!pfad)
        return false;
    QStringList zeilen = sys::readTextLines(*pfad, sys::CodePage::Windows1252);
    const QStringList vorher = zeilen;
    const bool hat44 = Felder44Einfuegen(zeilen);
    if (zeilen != vorher)
        sys::writeTextLines(*pfad, zeilen, sys::CodePage::Windows1252);
    return hat44;
}

} // namespace

bool Felder44Einfuegen(QStringList &zeilen)
{
    int position = -1;
    for (int i = 0; i < zeilen.size() && position < 0; ++i) {
        if (zeilen[i].trimmed() == QLatin1String("44"))
            position = i + 1;
    }
    if (position < 0)
        return false;
    for (const QString &eintrag : freitextZeilen) {
        bool vorhanden = false;
        for (const QString &zeile : std::as_const(zeilen))
            vorhanden = vorhanden || zeile.trimmed() == eintrag;
        if (!vorhanden)
            zeilen.insert(position, eintrag);
        // The next entry goes after this one, wherever it stood already.
        if (position < zeilen.size() && zeilen[position].trimmed() == eintrag)
            ++position;
    }
    return true;
}

void VorabFelder44Einfuegen(const QString &programmVerzeichnis)
{
    if (listeErgaenzen(programmVerzeichnis, QStringLiteral("Vorab.KD1")))
        listeErgaenzen(programmVerzeichnis, QStringLiteral("Vorab.KD0"));
}

} // namespace dbupdate
