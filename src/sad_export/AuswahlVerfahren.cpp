#include "sad_export/AuswahlVerfahren.h"
#include "sad_export/TfrmEinh_Verfahren.h"

bool AuswahlVerfahren1(QString &code)
{
    const QString start = code;
    TfrmEinh_Verfahren1::WaehleCode(start, code);
    return !code.isEmpty();
}

bool AuswahlVerfahren2(QString &code)
{
    const QString start = code;
    TfrmEinh_Verfahren2::WaehleCode(start, code);
    return !code.isEmpty();
}
