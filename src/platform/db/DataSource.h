#pragma once

#include <QObject>

namespace db {

class Table;

// Links data-aware controls (and detail tables) to a dataset.
class DataSource : public QObject
{
    Q_OBJECT
public:
    explicit DataSource(QObject *parent = nullptr);
    explicit DataSource(Table *dataset, QObject *parent = nullptr);

    void setDataSet(Table *dataset);
    Table *dataSet() const;
    // Disabled, it forwards nothing but the layoutChanged() of the switch
    // itself, so controls show nothing until it is enabled again.
    void setEnabled(bool enabled);
    bool enabled() const;
    // When true, controls editing a field put the dataset into edit state.
    bool autoEdit = true;

signals:
    void stateChanged();
    void recordChanged();
    void fieldChanged(int fieldIndex);
    void layoutChanged();
    // The dataset's current record changed (also while its controls are
    // disabled, and when another dataset is set): detail tables follow it.
    void currentChanged();
    // The dataset is about to post (see Table::aboutToPost).
    void aboutToPost();

private:
    Table *dataset_ = nullptr;
    bool enabled_ = true;
};

} // namespace db
