#pragma once

#include <QString>

// The address of a customer as the ATLAS forms take it over. Each field is
// cut to what the receiving form holds; the TIN comes whole.
struct TKundenAdresse
{
    QString TIN;        // the trader identification number, up to 15
    QString ZollNrDE;   // take-over: "1" for a German customs number, else "0"; TIN search: the stored letter
    QString Name;       // name1, up to 105
    QString Street;     // strasse, up to 70
    QString PLZ;        // the first 5 characters of the postcode
    QString City;       // ort, up to 35
    QString Land;       // the two-letter code of the customer's country; empty when unknown
};
