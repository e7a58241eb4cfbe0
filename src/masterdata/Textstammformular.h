#pragma once

#include "masterdata/Stammformular.h"

namespace masterdata {

class Sprachwahl;

// A master form whose card lines hold text in the five document languages,
// with the language buttons above the list (clauses, payment terms,
// articles).
class Textstammformular : public Stammformular
{
    Q_OBJECT
public:
    Textstammformular(Stammdeklaration deklaration, const QStringList &praefixe, int zeilen,
                      QWidget *parent = nullptr);

    Sprachwahl *sprachwahl() const { return sprachwahl_; }

private:
    Sprachwahl *sprachwahl_;
};

} // namespace masterdata
