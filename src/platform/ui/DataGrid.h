#pragma once

#include "platform/db/Table.h"

#include <QPointer>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <functional>

class QScrollBar;

namespace db {
class DataSource;
}

namespace ui {

class GridModel;

struct GridColumn
{
    QString fieldName;
    QString title;             // empty: the field's name
    int width = 0;             // pixels (widthFor a number of characters); 0: from the field's size
    bool readOnly = false;
    Qt::Alignment alignment;   // none given: numbers right, text left
};

// What an owner-drawn cell shows.
struct GridCell
{
    int row = 0;               // among the visible rows
    int column = 0;
    const GridColumn *gridColumn = nullptr;
    QString text;              // the field's display text
    QVariant value;
    bool current = false;      // the dataset's current record
    QVariantList rowFields;    // the values of the grid's row fields, in their order
};

// The data grid of every list: rows of the data source's dataset in its
// order, the current record highlighted. It never reads more than the rows
// it shows, however large the table, and reads them without moving the
// dataset for anybody else (see QuietCursor).
//
// The keys, the mouse and the wheel move the dataset: one record per wheel
// notch (towards the user: next), Up and Down, Page Up and Page Down,
// Ctrl+Home and Ctrl+End, a click on a row. Enter and a double click are
// passed on as enterPressed() and recordDoubleClicked().
class DataGrid : public QTableView
{
    Q_OBJECT
public:
    explicit DataGrid(QWidget *parent = nullptr);
    ~DataGrid() override;

    void setDataSource(db::DataSource *source);
    db::DataSource *dataSource() const;

    // The grid of that form that lists the source, so that a dialog showing
    // the same rows (a search) shows them with the form's columns; nullptr
    // when it has none.
    static DataGrid *gridShowing(const QWidget *form, const db::DataSource *source);

    // No columns: every field of the dataset, titled with its name.
    void setColumns(const QList<GridColumn> &columns);
    void addColumn(const GridColumn &column);
    QList<GridColumn> columns() const;
    void setColumnTitle(int column, const QString &title);
    // Wide enough for all its columns, however small its form is laid out.
    void setWidthFollowsColumns(bool follows);
    // At least that many rows stay in sight however small its form is laid out.
    void setMinimumVisibleRows(int rows);
    // The width of a column that shows that many characters of a field.
    int widthFor(int characters) const;

    // Read-only (the default) or editable: then the current record's cells
    // can be typed into, and the change goes into its fields.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return readOnly_; }
    void setTitlesVisible(bool visible);
    // The narrow column left of the rows that marks the current record.
    void setRowIndicator(bool visible);
    // Whole rows are selected instead of single cells.
    void setRowSelect(bool rowSelect);

    // Fields read with every row without being shown, so that owner drawing
    // can colour a row by them (GridCell::rowFields).
    void setRowFields(const QStringList &fields);

    // Owner drawing: return true when the cell has been painted.
    std::function<bool(QPainter &painter, const QStyleOptionViewItem &option, const GridCell &cell)> onDrawCell;

    // Reads the visible rows now (they are read after each change of the
    // dataset anyway, once the event loop runs).
    void refresh();
    int visibleRowCount() const;
    int rowCount() const;
    // The row of the current record among the visible rows; -1: none.
    int currentRecordRow() const;
    QString cellText(int row, int column) const;
    // 1-based position of the current record and the number of records, as
    // the scroll bar shows them; 0 when not known (yet), and always for a
    // list a filter routine picks (its scroll bar shows start, middle, end).
    int recordPosition() const { return position_; }
    int recordTotal() const { return count_; }

signals:
    void enterPressed();
    void recordDoubleClicked();
    void keyReleased(int key, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;

private:
    friend class GridModel;
    friend class GridDelegate;

    db::Table *table() const;
    bool active() const;
    void scheduleFill();
    void fill();
    void fillFromFields();
    void recordMoved();
    // Moves the dataset as the user asked; newRow is where the current record
    // should be shown afterwards.
    void navigate(const std::function<void(db::Table &)> &move, int newRow);
    void scrollBarAction(int action);
    void scrollBarReleased();
    void updateScrollBar();
    void schedulePositionQuery();
    bool countable() const;
    void applyColumnLayout();
    void fitRowsToFont();
    QList<GridColumn> effectiveColumns() const;
    bool setCellText(int row, int column, const QString &text);

    QPointer<db::DataSource> source_;
    GridModel *model_ = nullptr;
    QScrollBar *scrollBar_ = nullptr;
    QList<GridColumn> columns_;
    QStringList rowFields_;
    bool readOnly_ = true;
    bool rowIndicator_ = true;
    int currentRow_ = 0;
    int wheelRest_ = 0;
    int position_ = 0;
    int count_ = 0;
    bool atStart_ = false;
    bool atEnd_ = false;
    bool fillPending_ = false;
    bool countStale_ = true;
    bool positionQueryPending_ = false;
    bool filling_ = false;
    int minimumVisibleRows_ = 0;
    bool widthFollowsColumns_ = false;
};

} // namespace ui
