#include "Textstammformular.h"
#include "Sprachwahl.h"

namespace masterdata {

Textstammformular::Textstammformular(Stammdeklaration deklaration, const QStringList &praefixe, int zeilen,
                                     QWidget *parent)
    : Stammformular(std::move(deklaration), parent), sprachwahl_(new Sprachwahl(*this, praefixe, zeilen))
{
}

} // namespace masterdata
