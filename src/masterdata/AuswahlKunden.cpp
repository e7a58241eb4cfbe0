#include "AuswahlKunden.h"
#include "Kunden.h"

#include <QApplication>

bool AuswahlKunde(TKundenAdresse &adresse)
{
    return TfrmKunden::WaehleKundenAdresse(adresse, QApplication::activeWindow());
}
