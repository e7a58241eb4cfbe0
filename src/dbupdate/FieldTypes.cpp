#include "FieldTypes.h"

namespace dbupdate {

namespace {

using db::FieldType;
using T = TdBasePxFieldType;

struct TypeEntry
{
    T type;
    const char *name;
    std::optional<FieldType> storeType;
};

// One row per type in enumeration order. Several old types share a store
// type: the store keeps formatted memos as text and every kind of bytes alike.
const TypeEntry typeTable[] = {
    {T::pxUnknown, "pxUnknown", std::nullopt},
    {T::pxAlpha, "pxAlpha", FieldType::Alpha},
    {T::pxNumber, "pxNumber", FieldType::Number},
    {T::pxMoney, "pxMoney", FieldType::Money},
    {T::pxShort, "pxShort", FieldType::Short},
    {T::pxLongInteger, "pxLongInteger", FieldType::Long},
    {T::pxBCD, "pxBCD", FieldType::BCD},
    {T::pxDate, "pxDate", FieldType::Date},
    {T::pxTime, "pxTime", FieldType::Time},
    {T::pxTimestamp, "pxTimestamp", FieldType::Timestamp},
    {T::pxMemo, "pxMemo", FieldType::Memo},
    {T::pxFormattedMemo, "pxFormattedMemo", FieldType::Memo},
    {T::pxGraphic, "pxGraphic", FieldType::Graphic},
    {T::pxOLE, "pxOLE", FieldType::Blob},
    {T::pxLogical, "pxLogical", FieldType::Logical},
    {T::pxAutoincrement, "pxAutoincrement", FieldType::AutoInc},
    {T::pxBinary, "pxBinary", FieldType::Blob},
    {T::pxBytes, "pxBytes", FieldType::Blob},
    {T::dbCharacter, "dbCharacter", std::nullopt},
    {T::dbFloat, "dbFloat", std::nullopt},
    {T::dbNumber, "dbNumber", std::nullopt},
    {T::dbDate, "dbDate", std::nullopt},
    {T::dbMemo, "dbMemo", std::nullopt},
    {T::dbLogical, "dbLogical", std::nullopt},
    {T::dbOLE, "dbOLE", std::nullopt},
    {T::dbBinary, "dbBinary", std::nullopt},
    {T::dbLong, "dbLong", std::nullopt},
    {T::dbDateTime, "dbDateTime", std::nullopt},
    {T::dbDouble, "dbDouble", std::nullopt},
    {T::dbAutoincrement, "dbAutoincrement", std::nullopt},
    {T::dbBytes, "dbBytes", std::nullopt},
    {T::dbLock, "dbLock", std::nullopt},
};

const TypeEntry &entryOf(T type)
{
    return typeTable[static_cast<int>(type)];
}

} // namespace

std::optional<TdBasePxFieldType> pxTypeOfCode(int code)
{
    if (code < static_cast<int>(T::pxAlpha) || code > static_cast<int>(T::pxBytes))
        return std::nullopt;
    return static_cast<T>(code);
}

QString fieldTypeName(TdBasePxFieldType type)
{
    return QString::fromLatin1(entryOf(type).name);
}

std::optional<db::FieldType> storeTypeOf(TdBasePxFieldType type)
{
    return entryOf(type).storeType;
}

TdBasePxFieldType pxTypeOf(db::FieldType type)
{
    switch (type) {
    case FieldType::Alpha: return T::pxAlpha;
    case FieldType::Number: return T::pxNumber;
    case FieldType::Money: return T::pxMoney;
    case FieldType::Short: return T::pxShort;
    case FieldType::Long: return T::pxLongInteger;
    case FieldType::AutoInc: return T::pxAutoincrement;
    case FieldType::Logical: return T::pxLogical;
    case FieldType::Date: return T::pxDate;
    case FieldType::Time: return T::pxTime;
    case FieldType::Timestamp: return T::pxTimestamp;
    case FieldType::Memo: return T::pxMemo;
    case FieldType::Graphic: return T::pxGraphic;
    case FieldType::Blob: return T::pxBinary;
    case FieldType::BCD: return T::pxBCD;
    }
    return T::pxUnknown;
}

bool hasLength(TdBasePxFieldType type)
{
    return type == T::pxAlpha || type == T::pxMemo || type == T::pxFormattedMemo || type == T::pxBCD;
}

} // namespace dbupdate
