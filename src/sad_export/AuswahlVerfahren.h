#pragma once

#include <QString>

// One-call lookups into the code tables of box 37: the dialog starts on the
// code it is given; true and the chosen code, or false and empty on cancel.
bool AuswahlVerfahren1(QString &code);
bool AuswahlVerfahren2(QString &code);
