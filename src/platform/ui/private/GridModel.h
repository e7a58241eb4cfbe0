#pragma once

#include "platform/ui/DataGrid.h"
#include "platform/ui/Guard.h"

#include "platform/db/Field.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

// Inside platform/ui: the rows a DataGrid shows and how it paints them.
namespace ui {

struct GridRow
{
    db::Bookmark bookmark;
    QStringList texts;
    QVariantList values;
    QVariantList rowFields;   // the grid's row fields, not shown
};

inline bool isNumeric(db::FieldType type)
{
    switch (type) {
    case db::FieldType::Number:
    case db::FieldType::Money:
    case db::FieldType::Short:
    case db::FieldType::Long:
    case db::FieldType::AutoInc:
    case db::FieldType::BCD:
        return true;
    default:
        return false;
    }
}

// The visible rows, as the grid last read them.
class GridModel : public QAbstractTableModel
{
public:
    explicit GridModel(DataGrid *grid) : QAbstractTableModel(grid), grid_(grid) {}

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(rows_.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(columns_.size()); }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= rows_.size() || index.column() >= columns_.size())
            return {};
        const GridRow &row = rows_.at(index.row());
        switch (role) {
        case Qt::DisplayRole:
            return row.texts.value(index.column());
        case Qt::EditRole:
            return editText(index);
        case Qt::TextAlignmentRole:
            return int(alignment(index.column()) | Qt::AlignVCenter);
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        if (orientation == Qt::Horizontal)
            return section < columns_.size() ? columns_.at(section).title : QString();
        if (section != current_)
            return QString();
        return state_ == db::DatasetState::Insert ? QStringLiteral("*") : QStringLiteral("\u25B6");
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (index.isValid() && index.row() == current_ && !grid_->readOnly_
            && !columns_.value(index.column()).readOnly)
            flags |= Qt::ItemIsEditable;
        return flags;
    }

    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (role != Qt::EditRole || !index.isValid())
            return false;
        return grid_->setCellText(index.row(), index.column(), value.toString());
    }

    void setColumns(const QList<GridColumn> &columns)
    {
        beginResetModel();
        columns_ = columns;
        rows_.clear();
        endResetModel();
    }

    void setRows(QList<GridRow> rows, int current, db::DatasetState state)
    {
        const bool sameShape = rows.size() == rows_.size();
        if (!sameShape)
            beginResetModel();
        rows_ = std::move(rows);
        current_ = current;
        state_ = state;
        if (!sameShape) {
            endResetModel();
            return;
        }
        if (!rows_.isEmpty() && !columns_.isEmpty())
            emit dataChanged(index(0, 0), index(rows_.size() - 1, columns_.size() - 1));
        emit headerDataChanged(Qt::Vertical, 0, std::max<int>(0, rows_.size() - 1));
    }

    const QList<GridRow> &rows() const { return rows_; }
    const QList<GridColumn> &columns() const { return columns_; }
    int current() const { return current_; }

    Qt::Alignment alignment(int column) const
    {
        const GridColumn &gridColumn = columns_.at(column);
        if (gridColumn.alignment)
            return gridColumn.alignment;
        if (db::Table *table = grid_->table()) {
            if (db::Field *field = table->findField(gridColumn.fieldName); field && isNumeric(field->type()))
                return Qt::AlignRight;
        }
        return Qt::AlignLeft;
    }

private:
    QString editText(const QModelIndex &index) const
    {
        if (index.row() == current_) {
            if (db::Table *table = grid_->table(); table && table->isOpen()) {
                if (db::Field *field = table->findField(columns_.at(index.column()).fieldName))
                    return field->asString();
            }
        }
        return rows_.at(index.row()).texts.value(index.column());
    }

    DataGrid *grid_;
    QList<GridColumn> columns_;
    QList<GridRow> rows_;
    int current_ = -1;
    db::DatasetState state_ = db::DatasetState::Inactive;
};

class GridDelegate : public QStyledItemDelegate
{
public:
    explicit GridDelegate(DataGrid *grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (grid_->onDrawCell) {
            const GridModel &model = *grid_->model_;
            GridCell cell;
            cell.row = index.row();
            cell.column = index.column();
            cell.gridColumn = &model.columns().at(index.column());
            cell.text = model.rows().at(index.row()).texts.value(index.column());
            cell.value = model.rows().at(index.row()).values.value(index.column());
            cell.current = index.row() == model.current();
            cell.rowFields = model.rows().at(index.row()).rowFields;
            bool drawn = false;
            guard([&] { drawn = grid_->onDrawCell(*painter, option, cell); }, grid_->objectName());
            if (drawn)
                return;
        }
        QStyledItemDelegate::paint(painter, option, index);
    }

private:
    DataGrid *grid_;
};

} // namespace ui
