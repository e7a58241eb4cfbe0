#include "common/Abfragen.h"

#include "platform/db/Database.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"
#include "platform/db/TextFormat.h"

namespace {

db::Database &hauptdatenbank()
{
    return db::Database::alias(QStringLiteral("Z_Tavero"));
}

QString alsText(const QVariant &wert)
{
    if (!wert.isValid() || wert.isNull())
        return {};
    switch (wert.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return db::formatNumber(wert.toDouble());
    case QMetaType::QDate:
        return db::formatDate(wert.toDate());
    case QMetaType::QDateTime:
        return db::formatDateTime(wert.toDateTime());
    case QMetaType::QTime:
        return db::formatTime(wert.toTime());
    case QMetaType::Bool:
        return db::formatBoolean(wert.toBool());
    default:
        return wert.toString();
    }
}

} // namespace

void DataSetEdit(db::Table &tabelle)
{
    if (tabelle.isOpen() && tabelle.state() == db::DatasetState::Browse)
        tabelle.edit();
}

void DataSetPost(db::Table &tabelle)
{
    if (tabelle.isOpen()
        && (tabelle.state() == db::DatasetState::Edit || tabelle.state() == db::DatasetState::Insert))
        tabelle.post();
}

std::unique_ptr<db::Query> CreateQuery(const QString &sql)
{
    return std::make_unique<db::Query>(hauptdatenbank(), sql);
}

void QueryScalar(const QString &sql, QString &wert, const QVariantList &parameter)
{
    wert = alsText(db::Query::scalar(hauptdatenbank(), sql, parameter));
}
