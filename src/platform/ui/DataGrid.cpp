#include "DataGrid.h"

#include "private/GridModel.h"

#include "DataControls.h"
#include "Dialogs.h"
#include "Guard.h"
#include "QuietCursor.h"

#include "platform/db/DataSource.h"
#include "platform/db/DatabaseError.h"
#include "platform/db/Field.h"

#include <QHeaderView>
#include <QPainter>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

namespace ui {

namespace {

// Characters a column needs for its field.
int fieldCharacters(const db::FieldDef &def)
{
    switch (def.type) {
    // A long text shows its first words in a list, as names and descriptions are read.
    case db::FieldType::Alpha: return std::clamp(def.size, 2, 24);
    case db::FieldType::Date: return 10;
    case db::FieldType::Timestamp: return 19;
    case db::FieldType::Time: return 8;
    case db::FieldType::Logical: return 5;
    case db::FieldType::Memo: return 24;
    default: return isNumeric(def.type) ? 12 : 10;
    }
}

} // namespace

namespace {

QVariantList readRowFields(db::Table &table, const QStringList &names)
{
    QVariantList values;
    for (const QString &name : names) {
        db::Field *field = table.findField(name);
        values << (field ? field->value() : QVariant());
    }
    return values;
}

GridRow readRow(db::Table &table, const QList<GridColumn> &columns, const QStringList &rowFields)
{
    GridRow row;
    row.bookmark = table.bookmark();
    for (const GridColumn &column : columns) {
        db::Field *field = table.findField(column.fieldName);
        row.texts << (field ? field->displayText() : QString());
        row.values << (field ? field->value() : QVariant());
    }
    row.rowFields = readRowFields(table, rowFields);
    return row;
}

} // namespace

DataGrid::DataGrid(QWidget *parent) : QTableView(parent)
{
    model_ = new GridModel(this);
    setModel(model_);
    setItemDelegate(new GridDelegate(this));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setAutoScroll(false);
    setWordWrap(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fitRowsToFont();
    verticalHeader()->setFixedWidth(16);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setHighlightSections(false);

    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setObjectName(QStringLiteral("recordScrollBar"));
    connect(scrollBar_, &QScrollBar::actionTriggered, this, &DataGrid::scrollBarAction);
    connect(scrollBar_, &QScrollBar::sliderReleased, this, &DataGrid::scrollBarReleased);
    updateScrollBar();
}

DataGrid::~DataGrid() = default;

void DataGrid::setDataSource(db::DataSource *source)
{
    if (source_)
        disconnect(source_, nullptr, this, nullptr);
    source_ = source;
    if (source_) {
        connect(source_, &db::DataSource::recordChanged, this, &DataGrid::recordMoved);
        connect(source_, &db::DataSource::fieldChanged, this, &DataGrid::scheduleFill);
        connect(source_, &db::DataSource::stateChanged, this, [this] {
            // A posted insert adds a record and a deletion (announced in
            // browse state) takes one; starting an edit changes none, and
            // counting a large table at the first keystroke would be felt.
            const db::DatasetState now = active() ? table()->state() : db::DatasetState::Inactive;
            if (now == db::DatasetState::Browse)
                countStale_ = true;
            scheduleFill();
        });
        connect(source_, &db::DataSource::layoutChanged, this, [this] {
            countStale_ = true;
            position_ = 0;
            applyColumnLayout();
            scheduleFill();
        });
        connect(source_, &QObject::destroyed, this, [this] { refresh(); });
    }
    countStale_ = true;
    position_ = 0;
    applyColumnLayout();
    refresh();
}

db::DataSource *DataGrid::dataSource() const
{
    return source_;
}

db::Table *DataGrid::table() const
{
    return source_ ? source_->dataSet() : nullptr;
}

bool DataGrid::active() const
{
    db::Table *dataset = table();
    return dataset && source_->enabled() && dataset->isOpen();
}

DataGrid *DataGrid::gridShowing(const QWidget *form, const db::DataSource *source)
{
    if (!form || !source)
        return nullptr;
    for (DataGrid *grid : form->findChildren<DataGrid *>()) {
        if (grid->dataSource() == source && !grid->columns_.isEmpty())
            return grid;
    }
    return nullptr;
}

void DataGrid::setColumns(const QList<GridColumn> &columns)
{
    columns_ = columns;
    applyColumnLayout();
    refresh();
}

void DataGrid::setRowFields(const QStringList &fields)
{
    rowFields_ = fields;
    refresh();
}

void DataGrid::addColumn(const GridColumn &column)
{
    columns_ << column;
    applyColumnLayout();
    refresh();
}

QList<GridColumn> DataGrid::columns() const
{
    return model_->columns();
}

void DataGrid::setColumnTitle(int column, const QString &title)
{
    if (column < 0 || column >= columns_.size())
        return;
    columns_[column].title = title;
    applyColumnLayout();
    refresh();
}

void DataGrid::setReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    setEditTriggers(readOnly ? QAbstractItemView::NoEditTriggers
                             : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                   | QAbstractItemView::AnyKeyPressed);
}

void DataGrid::setTitlesVisible(bool visible)
{
    horizontalHeader()->setVisible(visible);
}

void DataGrid::setRowIndicator(bool visible)
{
    rowIndicator_ = visible;
    verticalHeader()->setVisible(visible);
}

void DataGrid::setRowSelect(bool rowSelect)
{
    setSelectionBehavior(rowSelect ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

QList<GridColumn> DataGrid::effectiveColumns() const
{
    QList<GridColumn> columns = columns_;
    db::Table *dataset = table();
    if (columns.isEmpty() && dataset && dataset->isOpen()) {
        for (db::Field *field : dataset->fields())
            columns << GridColumn{field->name(), QString(), 0, false, {}};
    }
    for (GridColumn &column : columns) {
        if (column.title.isEmpty())
            column.title = column.fieldName;
    }
    return columns;
}

void DataGrid::applyColumnLayout()
{
    const QList<GridColumn> columns = effectiveColumns();
    model_->setColumns(columns);
    db::Table *dataset = table();
    const QFontMetrics titleMetrics(horizontalHeader()->font());
    // The widths asked for (a last column may stretch beyond its own).
    int total = 0;
    for (int i = 0; i < columns.size(); ++i) {
        int width = columns.at(i).width;
        if (width <= 0) {
            int characters = 10;
            if (dataset && dataset->isOpen()) {
                if (db::Field *field = dataset->findField(columns.at(i).fieldName))
                    characters = fieldCharacters(field->def());
            }
            width = widthFor(characters);
        }
        // The title is always shown whole.
        width = std::max(width, titleMetrics.horizontalAdvance(columns.at(i).title) + 16);
        setColumnWidth(i, width);
        total += width;
    }
    if (widthFollowsColumns_) {
        total += 2 * frameWidth() + (scrollBar_ ? scrollBar_->sizeHint().width() : 0)
            + (verticalHeader()->isVisible() ? verticalHeader()->width() : 0);
        setMinimumWidth(total);
    }
}

void DataGrid::fitRowsToFont()
{
    verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    if (minimumVisibleRows_ > 0) {
        const int titles = horizontalHeader()->isVisible() ? horizontalHeader()->sizeHint().height() : 0;
        setMinimumHeight(titles + minimumVisibleRows_ * verticalHeader()->defaultSectionSize() + 2 * frameWidth()
                         + horizontalScrollBar()->sizeHint().height());
    }
}

void DataGrid::setWidthFollowsColumns(bool follows)
{
    widthFollowsColumns_ = follows;
    applyColumnLayout();
}

void DataGrid::setMinimumVisibleRows(int rows)
{
    minimumVisibleRows_ = rows;
    fitRowsToFont();
}

void DataGrid::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        fitRowsToFont();
        applyColumnLayout();
        scheduleFill();
    }
}

int DataGrid::widthFor(int characters) const
{
    // Digits are the widest characters of most fields' content (numbers,
    // codes, dates); a cell keeps a few points of room on either side.
    return characters * fontMetrics().horizontalAdvance(QLatin1Char('0')) + 12;
}

int DataGrid::visibleRowCount() const
{
    const int rowHeight = std::max(1, verticalHeader()->defaultSectionSize());
    return std::max(1, viewport()->height() / rowHeight);
}

int DataGrid::rowCount() const
{
    return model_->rowCount();
}

int DataGrid::currentRecordRow() const
{
    return model_->rows().isEmpty() ? -1 : model_->current();
}

QString DataGrid::cellText(int row, int column) const
{
    return model_->index(row, column).data(Qt::DisplayRole).toString();
}

void DataGrid::scheduleFill()
{
    if (fillPending_)
        return;
    fillPending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (fillPending_)
            refresh();
    });
}

void DataGrid::refresh()
{
    fillPending_ = false;
    guard([this] { fill(); }, objectName());
}

void DataGrid::recordMoved()
{
    if (filling_)
        return;
    // A record already on screen keeps its row; any other one comes where
    // the current record was, so stepping past the bottom scrolls by one.
    if (db::Table *dataset = table(); dataset && active() && dataset->state() == db::DatasetState::Browse) {
        const db::Bookmark now = dataset->bookmark();
        const QList<GridRow> &rows = model_->rows();
        for (int i = 0; i < rows.size(); ++i) {
            if (rows.at(i).bookmark == now) {
                currentRow_ = i;
                break;
            }
        }
    }
    scheduleFill();
}

void DataGrid::fill()
{
    if (filling_)
        return;
    if (!active()) {
        model_->setRows({}, -1, db::DatasetState::Inactive);
        position_ = count_ = 0;
        updateScrollBar();
        return;
    }
    if (model_->columns().isEmpty() && columns_.isEmpty())
        applyColumnLayout();
    db::Table &dataset = *table();
    if (dataset.state() != db::DatasetState::Browse) {
        fillFromFields();
        return;
    }
    filling_ = true;
    struct Done
    {
        bool &flag;
        ~Done() { flag = false; }
    } done{filling_};

    if (!countable())
        count_ = 0;
    const QList<GridColumn> &columns = model_->columns();
    const QList<GridRow> oldRows = model_->rows();
    const int oldCurrent = model_->current();
    const int wanted = visibleRowCount();
    QList<GridRow> rows;
    int current = 0;
    bool atStart = false;
    bool atEnd = false;
    if (!dataset.isEmpty()) {
        QuietCursor quiet(dataset);
        const int wantBefore = std::clamp(currentRow_, 0, wanted - 1);
        const int before = -dataset.moveBy(-wantBefore);
        // One step further up tells whether the rows begin with the first
        // record.
        if (dataset.moveBy(-1) == 0)
            atStart = true;
        else
            dataset.moveBy(1);
        rows << readRow(dataset, columns, rowFields_);
        // One step beyond the rows shown tells whether they reach the end.
        for (;;) {
            dataset.next();
            if (dataset.eof()) {
                atEnd = true;
                break;
            }
            if (rows.size() == wanted)
                break;
            rows << readRow(dataset, columns, rowFields_);
        }
        current = before;
        const int missing = wanted - int(rows.size());
        if (missing > 0 && !atStart) {
            // The records ran out below: show more of those above.
            const int lastRead = int(rows.size()) - 1;
            const int moved = -dataset.moveBy(-(lastRead + missing));
            const int extra = moved - lastRead;
            atStart = moved < lastRead + missing;
            if (extra > 0) {
                QList<GridRow> earlier;
                earlier << readRow(dataset, columns, rowFields_);
                for (int i = 1; i < extra; ++i) {
                    dataset.next();
                    earlier << readRow(dataset, columns, rowFields_);
                }
                rows = earlier + rows;
                current += extra;
            }
        }
    }
    currentRow_ = current;
    // Rows from the first record to the last need no count of their own
    // (a search that finds a screenful or less).
    if (countable() && countStale_) {
        count_ = rows.isEmpty() ? 0 : atStart && atEnd ? int(rows.size()) : dataset.recordCount();
        countStale_ = false;
    }

    // Where the current record stands: exact at either end, else worked out
    // from a record still on screen, else asked for later.
    int position = 0;
    if (rows.isEmpty()) {
        position = 0;
    } else if (atStart) {
        position = current + 1;
        if (atEnd)
            count_ = int(rows.size());
    } else if (atEnd && count_ > 0) {
        position = count_ - (int(rows.size()) - 1 - current);
    } else if (position_ > 0 && !oldRows.isEmpty()) {
        for (int k = 0; k < oldRows.size() && position == 0; ++k) {
            for (int m = 0; m < rows.size(); ++m) {
                if (rows.at(m).bookmark == oldRows.at(k).bookmark) {
                    position = position_ - oldCurrent + k + (current - m);
                    break;
                }
            }
        }
    }
    position_ = position;
    atStart_ = atStart;
    atEnd_ = atEnd;
    if (position_ <= 0 && !rows.isEmpty() && countable())
        schedulePositionQuery();
    if (count_ > 0 && position_ > count_)
        countStale_ = true;

    model_->setRows(std::move(rows), current, db::DatasetState::Browse);
    if (model_->rowCount() > 0) {
        const int column = std::max(0, currentIndex().column());
        setCurrentIndex(model_->index(current, std::min(column, model_->columnCount() - 1)));
    }
    updateScrollBar();
}

void DataGrid::fillFromFields()
{
    db::Table &dataset = *table();
    QList<GridRow> rows = model_->rows();
    GridRow now;
    for (const GridColumn &column : model_->columns()) {
        db::Field *field = dataset.findField(column.fieldName);
        now.texts << (field ? field->displayText() : QString());
        now.values << (field ? field->value() : QVariant());
    }
    now.rowFields = readRowFields(dataset, rowFields_);
    const bool inserting = dataset.state() == db::DatasetState::Insert;
    const int row = std::clamp(currentRow_, 0, int(rows.size()));
    // A new record has no bookmark yet: it is shown in a row of its own.
    const bool newRowShown = inserting && row < rows.size() && rows.at(row).bookmark.isEmpty();
    if (inserting && !newRowShown) {
        rows.insert(row, now);
    } else if (row < rows.size()) {
        now.bookmark = rows.at(row).bookmark;
        rows[row] = now;
    } else {
        rows << now;
    }
    while (rows.size() > visibleRowCount() && rows.size() > row + 1)
        rows.removeLast();
    currentRow_ = row;
    model_->setRows(std::move(rows), row, dataset.state());
}

void DataGrid::navigate(const std::function<void(db::Table &)> &move, int newRow)
{
    if (!active() || !commitPendingInput(window()))
        return;
    const int previous = currentRow_;
    currentRow_ = std::clamp(newRow, 0, visibleRowCount() - 1);
    if (!guard([&] { move(*table()); }, objectName()))
        currentRow_ = previous;
    scheduleFill();
}

void DataGrid::keyPressEvent(QKeyEvent *event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    const int rows = visibleRowCount();
    switch (event->key()) {
    case Qt::Key_Up:
        navigate([](db::Table &t) { t.prior(); }, currentRow_ - 1);
        return;
    case Qt::Key_Down:
        navigate([](db::Table &t) { t.next(); }, currentRow_ + 1);
        return;
    case Qt::Key_PageUp:
        navigate([rows](db::Table &t) { t.moveBy(-std::max(1, rows - 1)); }, currentRow_);
        return;
    case Qt::Key_PageDown:
        navigate([rows](db::Table &t) { t.moveBy(std::max(1, rows - 1)); }, currentRow_);
        return;
    case Qt::Key_Home:
    case Qt::Key_End:
        if (control) {
            const bool home = event->key() == Qt::Key_Home;
            navigate([home](db::Table &t) { home ? t.first() : t.last(); }, home ? 0 : rows - 1);
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (state() != QAbstractItemView::EditingState) {
            emit enterPressed();
            event->accept();
            return;
        }
        break;
    case Qt::Key_Escape:
        if (!readOnly_ && active()) {
            db::Table &dataset = *table();
            if (dataset.state() == db::DatasetState::Edit || dataset.state() == db::DatasetState::Insert) {
                guard([&] { dataset.cancel(); }, objectName());
                return;
            }
        }
        event->ignore();
        return;
    default:
        break;
    }
    QTableView::keyPressEvent(event);
}

void DataGrid::keyReleaseEvent(QKeyEvent *event)
{
    QTableView::keyReleaseEvent(event);
    emit keyReleased(event->key(), event->modifiers());
}

void DataGrid::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && index.row() != currentRow_) {
        const int distance = index.row() - currentRow_;
        navigate([distance](db::Table &t) { t.moveBy(distance); }, index.row());
    }
    QTableView::mousePressEvent(event);
}

void DataGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (indexAt(event->position().toPoint()).isValid())
        emit recordDoubleClicked();
}

void DataGrid::wheelEvent(QWheelEvent *event)
{
    // The grid answers the wheel itself: one record per message, however far
    // the wheel went; small steps (touch pads) add up to a notch first.
    event->accept();
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return;
    if (std::abs(delta) < 120) {
        wheelRest_ += delta;
        if (std::abs(wheelRest_) < 120)
            return;
    }
    const bool towardsUser = (std::abs(delta) < 120 ? wheelRest_ : delta) < 0;
    wheelRest_ = 0;
    if (towardsUser)
        navigate([](db::Table &t) { t.next(); }, currentRow_ + 1);
    else
        navigate([](db::Table &t) { t.prior(); }, currentRow_ - 1);
}

void DataGrid::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    // A grid with the focus is framed in the highlight colour, as a field is.
    if (hasFocus()) {
        QPainter painter(viewport());
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(viewport()->rect().adjusted(1, 1, -1, -1));
    }
}

void DataGrid::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    viewport()->update();
}

void DataGrid::focusOutEvent(QFocusEvent *event)
{
    QTableView::focusOutEvent(event);
    viewport()->update();
}

void DataGrid::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    if (visibleRowCount() != model_->rowCount())
        scheduleFill();
}

void DataGrid::updateGeometries()
{
    QTableView::updateGeometries();
    // All rows on screen fit the viewport: the view itself never scrolls up
    // or down. The record scroll bar sits where its own would.
    verticalScrollBar()->setRange(0, 0);
    const int barWidth = scrollBar_ ? scrollBar_->sizeHint().width() : 0;
    QMargins margins = viewportMargins();
    if (margins.right() != barWidth) {
        margins.setRight(barWidth);
        setViewportMargins(margins);
    }
    if (scrollBar_) {
        const QRect area = viewport()->geometry();
        scrollBar_->setGeometry(area.right() + 1, area.top(), barWidth, area.height());
    }
}

void DataGrid::scrollContentsBy(int dx, int dy)
{
    Q_UNUSED(dy);
    QTableView::scrollContentsBy(dx, 0);
}

bool DataGrid::countable() const
{
    // Counting records that a filter routine picks means reading them all;
    // such a list shows only whether it stands at its start or end.
    db::Table *dataset = table();
    return dataset && !(dataset->filtered() && !dataset->onFilterRecord.empty());
}

void DataGrid::updateScrollBar()
{
    const QSignalBlocker blocker(scrollBar_);
    if (!countable()) {
        scrollBar_->setRange(0, 2);
        scrollBar_->setPageStep(1);
        scrollBar_->setValue(atStart_ ? 0 : atEnd_ ? 2 : 1);
        scrollBar_->setEnabled(!(atStart_ && atEnd_));
        return;
    }
    scrollBar_->setRange(0, std::max(0, count_ - 1));
    scrollBar_->setPageStep(std::max(1, visibleRowCount()));
    scrollBar_->setValue(position_ > 0 ? position_ - 1 : scrollBar_->value());
    scrollBar_->setEnabled(count_ > 1);
}

void DataGrid::scrollBarAction(int action)
{
    const int rows = visibleRowCount();
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        navigate([](db::Table &t) { t.next(); }, currentRow_ + 1);
        break;
    case QAbstractSlider::SliderSingleStepSub:
        navigate([](db::Table &t) { t.prior(); }, currentRow_ - 1);
        break;
    case QAbstractSlider::SliderPageStepAdd:
        navigate([rows](db::Table &t) { t.moveBy(std::max(1, rows - 1)); }, currentRow_);
        break;
    case QAbstractSlider::SliderPageStepSub:
        navigate([rows](db::Table &t) { t.moveBy(-std::max(1, rows - 1)); }, currentRow_);
        break;
    case QAbstractSlider::SliderToMinimum:
        navigate([](db::Table &t) { t.first(); }, 0);
        break;
    case QAbstractSlider::SliderToMaximum:
        navigate([](db::Table &t) { t.last(); }, rows - 1);
        break;
    default:
        // Dragging moves the record when the slider is let go.
        return;
    }
    // The scroll bar shows the record, not where the click put the slider.
    QTimer::singleShot(0, this, &DataGrid::updateScrollBar);
}

void DataGrid::scrollBarReleased()
{
    if (!countable()) {
        const int value = scrollBar_->value();
        if (value == 0)
            navigate([](db::Table &t) { t.first(); }, 0);
        else if (value == 2)
            navigate([](db::Table &t) { t.last(); }, visibleRowCount() - 1);
        QTimer::singleShot(0, this, &DataGrid::updateScrollBar);
        return;
    }
    const int target = scrollBar_->value() + 1;
    const int known = position_;
    if (target <= 1) {
        navigate([](db::Table &t) { t.first(); }, 0);
    } else if (count_ > 0 && target >= count_) {
        navigate([](db::Table &t) { t.last(); }, visibleRowCount() - 1);
    } else if (known > 0) {
        navigate([target, known](db::Table &t) { t.moveBy(target - known); }, currentRow_);
    } else {
        navigate([target](db::Table &t) {
            t.first();
            t.moveBy(target - 1);
        }, currentRow_);
    }
}

void DataGrid::schedulePositionQuery()
{
    if (positionQueryPending_)
        return;
    positionQueryPending_ = true;
    // Counting the records before the current one costs time on a large
    // table, so it is done once things have come to rest.
    QTimer::singleShot(50, this, [this] {
        positionQueryPending_ = false;
        if (!active() || position_ > 0 || table()->state() != db::DatasetState::Browse)
            return;
        guard([this] {
            position_ = std::max(0, table()->recNo());
            updateScrollBar();
        }, objectName());
    });
}

bool DataGrid::setCellText(int row, int column, const QString &text)
{
    if (!active() || row != model_->current() || column >= model_->columns().size())
        return false;
    db::Field *field = table()->findField(model_->columns().at(column).fieldName);
    if (!field)
        return false;
    try {
        field->setAsString(text);
    } catch (const db::DatabaseError &error) {
        showError(error.message());
        return false;
    } catch (const db::Abort &) {
        return false;
    }
    scheduleFill();
    return true;
}

} // namespace ui
