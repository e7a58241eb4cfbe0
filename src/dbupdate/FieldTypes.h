#pragma once

#include "platform/db/TableDef.h"

#include <QString>
#include <optional>

namespace dbupdate {

// The old engine's physical field types, in their order: the change list
// names a type by its position here (1 = pxAlpha .. 17 = pxBytes).
enum class TdBasePxFieldType {
    pxUnknown,
    pxAlpha,
    pxNumber,
    pxMoney,
    pxShort,
    pxLongInteger,
    pxBCD,
    pxDate,
    pxTime,
    pxTimestamp,
    pxMemo,
    pxFormattedMemo,
    pxGraphic,
    pxOLE,
    pxLogical,
    pxAutoincrement,
    pxBinary,
    pxBytes,
    dbCharacter,
    dbFloat,
    dbNumber,
    dbDate,
    dbMemo,
    dbLogical,
    dbOLE,
    dbBinary,
    dbLong,
    dbDateTime,
    dbDouble,
    dbAutoincrement,
    dbBytes,
    dbLock,
};

// The type of a change-list code; nullopt outside 1 .. 17.
std::optional<TdBasePxFieldType> pxTypeOfCode(int code);

// "pxAlpha" .. "pxBytes", "pxUnknown"; the dBase names for the rest.
QString fieldTypeName(TdBasePxFieldType type);

// The store's type for a table field of that type. The store's tables take
// the Paradox types; the dBase types have none.
std::optional<db::FieldType> storeTypeOf(TdBasePxFieldType type);
TdBasePxFieldType pxTypeOf(db::FieldType type);

// Types whose size the description carries in Length: the characters of an
// alpha field, the in-record part of a memo, the decimals of a BCD field.
bool hasLength(TdBasePxFieldType type);

} // namespace dbupdate
