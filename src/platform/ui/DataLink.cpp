#include "DataLink.h"

#include "Dialogs.h"

#include "platform/db/DataSource.h"
#include "platform/db/DatabaseError.h"
#include "platform/db/Field.h"
#include "platform/db/Table.h"

#include <QFocusEvent>

namespace ui {

bool leavesForGood(const QFocusEvent *event)
{
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

DataLink::DataLink(QObject *parent) : QObject(parent) {}

void DataLink::setDataSource(db::DataSource *source)
{
    if (source == source_)
        return;
    if (source_)
        disconnect(source_, nullptr, this, nullptr);
    source_ = source;
    connectSource();
    emit editingChanged();
    emit dataChanged();
}

void DataLink::setFieldName(const QString &fieldName)
{
    fieldName_ = fieldName;
    emit editingChanged();
    emit dataChanged();
}

void DataLink::connectSource()
{
    if (!source_)
        return;
    // While we write, the dataset's echo of our own change must not reset
    // the control under the user's fingers.
    auto unlessWriting = [this](void (DataLink::*signal)()) {
        return [this, signal] {
            if (!writing_)
                emit (this->*signal)();
        };
    };
    connect(source_, &db::DataSource::recordChanged, this, unlessWriting(&DataLink::dataChanged));
    connect(source_, &db::DataSource::layoutChanged, this, [this] {
        if (writing_)
            return;
        emit editingChanged();
        emit dataChanged();
    });
    connect(source_, &db::DataSource::stateChanged, this, unlessWriting(&DataLink::editingChanged));
    connect(source_, &db::DataSource::fieldChanged, this, &DataLink::onFieldChanged);
    connect(source_, &db::DataSource::aboutToPost, this, &DataLink::aboutToPost);
    connect(source_, &QObject::destroyed, this, [this] {
        emit editingChanged();
        emit dataChanged();
    });
}

void DataLink::onFieldChanged(int fieldIndex)
{
    if (writing_)
        return;
    db::Field *own = field();
    if (own && own->index() == fieldIndex)
        emit dataChanged();
}

db::DataSource *DataLink::dataSource() const
{
    return source_;
}

db::Table *DataLink::table() const
{
    return source_ ? source_->dataSet() : nullptr;
}

bool DataLink::active() const
{
    db::Table *dataset = table();
    return dataset && source_->enabled() && dataset->isOpen();
}

db::Field *DataLink::field() const
{
    if (!active() || fieldName_.isEmpty())
        return nullptr;
    return table()->findField(fieldName_);
}

bool DataLink::canModify() const
{
    db::Field *own = field();
    if (!own || own->readOnly() || own->isCalculated() || table()->readOnly())
        return false;
    const db::DatasetState state = table()->state();
    return state == db::DatasetState::Edit || state == db::DatasetState::Insert || source_->autoEdit;
}

DataLink::WriteResult DataLink::write(const std::function<void(db::Field &)> &setter)
{
    db::Field *own = field();
    if (!own || !canModify())
        return WriteResult::Refused;
    writing_ = true;
    WriteResult result = WriteResult::Written;
    try {
        setter(*own);
        lastError_.clear();
        lastFailure_ = nullptr;
    } catch (const db::ConversionError &error) {
        lastError_ = error.message();
        lastFailure_ = std::current_exception();
        result = WriteResult::Invalid;
    } catch (const db::DatabaseError &error) {
        writing_ = false;
        showError(error.message());
        result = WriteResult::Refused;
    } catch (const db::Abort &) {
        result = WriteResult::Refused;
    }
    writing_ = false;
    // The dataset may have entered edit state meanwhile.
    emit editingChanged();
    if (result == WriteResult::Refused)
        emit dataChanged();
    return result;
}

void DataLink::refusePost()
{
    db::Table *dataset = table();
    if (!dataset)
        return;
    dataset->refusePost(lastFailure_ ? lastFailure_ : std::make_exception_ptr(db::ConversionError(lastError_)));
}

} // namespace ui
