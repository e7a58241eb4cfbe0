#pragma once

#include "masterdata/Listendruck.h"
#include "masterdata/Textstammformular.h"

#include <optional>

// The payment terms (S_ZABEDG): five lines in each of five languages;
// upkeep and take-over form, list print.
class TfrmZahlung : public masterdata::Textstammformular
{
    Q_OBJECT
public:
    explicit TfrmZahlung(QWidget *parent = nullptr);

    // The order form's take-over: the form on the order's language letter;
    // the five lines shown when the clerk takes a payment term.
    static std::optional<QStringList> ZahlungUebernehmen(const QString &buchstabe, QWidget *parent = nullptr);
};

class TfrmZahlung_d : public masterdata::Listendruck
{
    Q_OBJECT
public:
    explicit TfrmZahlung_d(QWidget *parent = nullptr);
};
