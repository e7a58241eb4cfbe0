#include "Programmstart.h"

#include "Main.h"

#include "platform/ui/Application.h"

#include <QCoreApplication>

void AnwendungEinrichten()
{
    QCoreApplication::setApplicationName(QStringLiteral("razazu"));
    ui::setProgramTitle(TfrmMain::Titel);
    ui::installGermanQtTranslations();
}
