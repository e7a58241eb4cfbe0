#include "DataSource.h"

#include "Table.h"

namespace db {

DataSource::DataSource(QObject *parent) : QObject(parent) {}

DataSource::DataSource(Table *dataset, QObject *parent) : QObject(parent)
{
    setDataSet(dataset);
}

void DataSource::setDataSet(Table *dataset)
{
    if (dataset == dataset_)
        return;
    if (dataset_)
        disconnect(dataset_, nullptr, this, nullptr);
    dataset_ = dataset;
    if (dataset_) {
        connect(dataset_, &Table::stateChanged, this, [this] {
            if (enabled_)
                emit stateChanged();
        });
        connect(dataset_, &Table::recordChanged, this, [this] {
            if (enabled_)
                emit recordChanged();
        });
        connect(dataset_, &Table::fieldChanged, this, [this](int fieldIndex) {
            if (enabled_)
                emit fieldChanged(fieldIndex);
        });
        connect(dataset_, &Table::layoutChanged, this, [this] {
            if (enabled_)
                emit layoutChanged();
        });
        connect(dataset_, &Table::currentChanged, this, &DataSource::currentChanged);
        connect(dataset_, &Table::aboutToPost, this, [this] {
            if (enabled_)
                emit aboutToPost();
        });
        connect(dataset_, &QObject::destroyed, this, [this] {
            dataset_ = nullptr;
            emit layoutChanged();
            emit currentChanged();
        });
    }
    emit layoutChanged();
    emit currentChanged();
}

Table *DataSource::dataSet() const
{
    return dataset_;
}

void DataSource::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    // Controls show nothing while disabled, and the record again after.
    emit layoutChanged();
    if (enabled_) {
        emit stateChanged();
        emit recordChanged();
    }
}

bool DataSource::enabled() const
{
    return enabled_;
}

} // namespace db
