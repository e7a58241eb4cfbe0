#include "Verfahrenscodes.h"

#include <utility>

namespace masterdata {

namespace {

VerfahrenscodeAuswahl &installierteVerfahrenscodeAuswahl()
{
    static VerfahrenscodeAuswahl auswahl;
    return auswahl;
}

} // namespace

VerfahrenscodeAuswahl setVerfahrenscodeAuswahl(VerfahrenscodeAuswahl auswahl)
{
    return std::exchange(installierteVerfahrenscodeAuswahl(), std::move(auswahl));
}

bool VerfahrenscodeWaehlen(int unterfeld, const QString &start, QString &code)
{
    const VerfahrenscodeAuswahl &auswahl = installierteVerfahrenscodeAuswahl();
    return auswahl && auswahl(unterfeld, start, code);
}

} // namespace masterdata
