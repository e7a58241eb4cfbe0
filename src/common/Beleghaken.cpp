#include "common/Beleghaken.h"

#include "platform/ui/Dialogs.h"

void Beleghaken::eingabeformularZeigen(TfrmRegie &, const QString &)
{
    ui::showInformation(QStringLiteral("Das Eingabeformular dieser Belegart ist noch nicht gebaut."));
}

void Beleghaken::druckformularZeigen(TfrmRegie &, int)
{
    ui::showInformation(QStringLiteral("Der Ausdruck dieser Belegart ist noch nicht gebaut."));
}
