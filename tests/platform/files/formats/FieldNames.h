#pragma once

#include "platform/files/formats/ForeignData.h"

#include <QStringList>

// The field names of a foreign table, in their order.
inline QStringList namesOf(const files::ForeignData &data)
{
    QStringList names;
    for (const db::FieldDef &field : data.definition.fields)
        names.append(field.name);
    return names;
}
