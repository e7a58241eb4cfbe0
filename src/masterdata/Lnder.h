#pragma once

#include "masterdata/Listendruck.h"
#include "masterdata/Stammformular.h"

class QAbstractButton;

// "Länderverwaltung": the countries (S_LANDBZ), with the default box-37
// codes picked from their code tables.
class TfrmLnder : public masterdata::Stammformular
{
    Q_OBJECT
public:
    explicit TfrmLnder(QWidget *parent = nullptr);

    QAbstractButton *SpeedButton1;   // box 37, first sub-field
    QAbstractButton *SpeedButton2;   // box 37, second sub-field

    // Picks the country's default code of the sub-field (1 or 2); the
    // country is posted whatever the choice.
    void VerfahrenWaehlen(int unterfeld);
};

// 'Druck "Länder"': 17 countries per sheet.
class TfrmLnder_d : public masterdata::Listendruck
{
    Q_OBJECT
public:
    explicit TfrmLnder_d(QWidget *parent = nullptr);
};
