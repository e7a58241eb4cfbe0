#pragma once

#include "masterdata/Auswahldialog.h"

// The selection dialogs of the small code tables. A caller creates one,
// may set Tag (entry forms only), shows it modally and on modal result 1
// reads Table1's current row.

// Transport modes (S_VERKZG); Tag 21/25/26 export, 180/210/250/260 import.
class TfrmVerzw_e : public masterdata::Auswahldialog
{
    Q_OBJECT
public:
    explicit TfrmVerzw_e(QWidget *parent = nullptr);
    // Vkzweig of the chosen row, or empty; the list opens at its first row.
    static void WaehleVerkehrszweig(const QString &startCode, QString &code);
};

// Customs offices (S_ZOLLST); Tag 29 export, 290 import.
class TfrmZoll_e : public masterdata::Auswahldialog
{
    Q_OBJECT
public:
    explicit TfrmZoll_e(QWidget *parent = nullptr);
};

// Business types (S_GESART); Tag 24 export, 240 import.
class TfrmGesch_e : public masterdata::Auswahldialog
{
    Q_OBJECT
public:
    explicit TfrmGesch_e(QWidget *parent = nullptr);
    static void WaehleGeschaeftsart(const QString &startCode, QString &code);
};

// Delivery terms (S_LIEFER).
class TfrmLiefer_e : public masterdata::Auswahldialog
{
    Q_OBJECT
public:
    explicit TfrmLiefer_e(QWidget *parent = nullptr);
    static void WaehleLieferbedingung(const QString &startCode, QString &code);
};

// Declaration procedures (S_VERFAH).
class TfrmVerfan_e : public masterdata::Auswahldialog
{
    Q_OBJECT
public:
    explicit TfrmVerfan_e(QWidget *parent = nullptr);
};

// Federal states (S_INLAND).
class TfrmLnderbrd_e : public masterdata::Auswahldialog
{
    Q_OBJECT
public:
    explicit TfrmLnderbrd_e(QWidget *parent = nullptr);
    // Opens on the state whose Ulandi equals the start code in any case
    // (on the first row by name when there is none).
    static void WaehleBundesland(const QString &startCode, QString &code);
};

// Ports (S_HAFEN).
class TfrmHafen_e : public masterdata::Auswahldialog
{
    Q_OBJECT
public:
    explicit TfrmHafen_e(QWidget *parent = nullptr);
};

// Procedure codes of box 37 (S_EINH37).
class TfrmVerf_e : public masterdata::Auswahldialog
{
    Q_OBJECT
public:
    explicit TfrmVerf_e(QWidget *parent = nullptr);
};
