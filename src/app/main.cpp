#include "Main.h"
#include "Datenmodul.h"
#include "ExterneProgramme.h"
#include "Programmstart.h"
#include "Tabellen.h"

#include "common/ExceptionDlg.h"
#include "common/Util.h"

#include "platform/print/PrinterSetupDialog.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"

int main(int argc, char *argv[])
{
    ui::Application application(argc, argv);
    AnwendungEinrichten();
    FehlerDialogEinrichten();
    ui::setPrinterSetupHandler([](const QString &drucker) { return print::runPrinterSetupDialog(drucker); });
    alleTabellenAnmelden();

    TfrmMain window;
    if (ProgrammEndeAngefordert())
        return 0;
    DatenmodulEinrichten();
    window.show();
    const int ergebnis = application.exec();
    PelmoraPfad.clear();
    return ergebnis;
}
