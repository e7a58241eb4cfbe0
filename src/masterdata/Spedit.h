#pragma once

#include "masterdata/Listendruck.h"
#include "masterdata/Stammformular.h"

// The forwarders (S_SPEDIT): upkeep and take-over form, list print.
class TfrmSpedit : public masterdata::Stammformular
{
    Q_OBJECT
public:
    explicit TfrmSpedit(QWidget *parent = nullptr);

    // The form in take-over mode: the chosen forwarder's number, or -1 when
    // the clerk closes it otherwise than with "Übernehmen".
    static int WaehleSpediteurNr(QWidget *parent = nullptr);
};

class TfrmSpedit_d : public masterdata::Listendruck
{
    Q_OBJECT
public:
    explicit TfrmSpedit_d(QWidget *parent = nullptr);
};
