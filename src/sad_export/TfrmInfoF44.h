#pragma once

#include "sad_export/TfrmInfoFeld.h"

// "Information für Feld 44 (keine Übernahme)": the special-mention codes of
// box 44, for reading only.
class TfrmInfoF44 : public TfrmInfoFeld
{
    Q_OBJECT
public:
    explicit TfrmInfoF44(QWidget *parent = nullptr);
};
