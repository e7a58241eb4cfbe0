#pragma once

#include "DatabaseError.h"
#include "Event.h"
#include "Field.h"
#include "TableDef.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <exception>
#include <functional>
#include <memory>

namespace db {

class Database;
class DataSource;
struct TableInternals;

enum class DatasetState { Inactive, Browse, Edit, Insert };

enum class PostErrorAction { Fail, Abort, Retry };

struct LocateOptions
{
    bool caseInsensitive = false;
    bool partialKey = false;
};

// An opaque position of a record; valid while the table is open.
using Bookmark = QVariantList;

// A navigational cursor over one store table in the order of its current
// index, in place of the old engine's table component. It never loads a whole
// table: it pages through the store in key order.
class Table : public QObject
{
    Q_OBJECT
public:
    explicit Table(QObject *parent = nullptr);
    Table(Database &database, const QString &tableName, QObject *parent = nullptr);
    ~Table() override;

    // --- set-up (before open, or while open where noted)
    void setDatabase(Database &database);
    Database *database() const;
    void setTableName(const QString &tableName);   // "S_PARAME.DB" works
    QString tableName() const;
    void setExclusive(bool exclusive);             // other workstations are refused
    bool exclusive() const;
    void setReadOnly(bool readOnly);
    bool readOnly() const;
    // Order: primary key (empty name), a named secondary index, or a field
    // list "Name;Vorname". Switching while open keeps the current record.
    void setIndexName(const QString &indexName);
    QString indexName() const;
    void setIndexFieldNames(const QString &fieldNames);
    QString indexFieldNames() const;
    QStringList indexFields() const;               // fields of the current order
    // Rows the cursor keeps around the current one; 0 (the default) chooses
    // from the table's width. Small values let tests cross window edges.
    void setWindowRows(int rows);
    // Adds a calculated field (type and size as given) filled by onCalcFields.
    void addCalculatedField(const FieldDef &def);

    // --- life cycle
    void open();
    void close();
    bool isOpen() const;
    bool active() const { return isOpen(); }
    DatasetState state() const;
    // Rereads the current page from the store; the cursor stays on the same
    // key when it still exists.
    void refresh();

    // --- navigation
    void first();
    void last();
    void next();
    void prior();
    int moveBy(int distance);   // returns the distance actually moved
    bool eof() const;
    bool bof() const;
    // No record follows the current one (also on an empty table and at eof);
    // the cursor does not move.
    bool atLastRecord();
    // No record comes before the current one (also on an empty table and at
    // bof); the cursor does not move.
    bool atFirstRecord();
    bool isEmpty() const;
    int recordCount();          // honours range, filter and master link
    int recNo();                // 1-based position in the current order; -1 unknown

    // --- search
    // Values for the leading fields of the current index. Returns false and
    // leaves the cursor where it was when there is no such record.
    bool findKey(const QVariantList &keyValues);
    // Goes to the first record at or after the given key values (after the
    // last record: the last record).
    void findNearest(const QVariantList &keyValues);
    bool locate(const QString &fieldNames, const QVariantList &values,
                LocateOptions options = {});
    // Restricts the cursor to keys between start and end (leading fields of
    // the current index, inclusive).
    void setRange(const QVariantList &start, const QVariantList &end);
    void cancelRange();
    bool hasRange() const;

    Bookmark bookmark() const;
    bool gotoBookmark(const Bookmark &bookmark);
    // Back to a record the cursor left a moment ago to read others: taken
    // from the rows the cursor still holds, without reading it again; where
    // they no longer hold it, as gotoBookmark.
    bool returnTo(const Bookmark &bookmark);

    // --- filters: the old engine's expression syntax, e.g.
    //   BelegNr < 2000000000
    //   Name = 'Mül*' and Ort = 'Berlin'
    // parsed into SQL with bound values. A malformed expression raises
    // DatabaseError at setFilter/setFiltered.
    void setFilter(const QString &expression);
    QString filter() const;
    void setFiltered(bool filtered);
    bool filtered() const;
    void setFilterCaseInsensitive(bool caseInsensitive);
    // Runs for each record while filtered; a record shows only when every
    // listener answers true.
    Event<bool(Table &)> onFilterRecord;

    // --- master-detail: follows the master's current record on the link
    // fields; insert fills them. setMasterSource(nullptr, ...) releases it.
    void setMasterSource(DataSource *master, const QString &masterFields,
                         const QString &detailFields);
    DataSource *masterSource() const;

    // --- fields of the current record
    int fieldCount() const;
    Field &field(int index);
    Field &fieldByName(const QString &name);       // DatabaseError when missing
    Field *findField(const QString &name);         // nullptr when missing
    Field &operator[](const QString &name) { return fieldByName(name); }
    QList<Field *> fields();
    const TableDef &definition() const;

    // --- editing
    void edit();
    void insert();     // new record before the current one (order decides)
    void append();
    void post();
    void cancel();
    void remove();     // deletes the current record
    // Posts pending changes when editing (scrolling does this too).
    void checkBrowseMode();
    // Only while aboutToPost() is being sent: refuses the post, which then
    // throws this error (a control's text that does not fit its field).
    void refusePost(std::exception_ptr error);
    bool modified() const;

    // --- events: any number of listeners each, called in the order they
    // were added (add() returns the subscription that removes one)
    using TableEvent = Event<void(Table &)>;
    TableEvent afterOpen;
    TableEvent beforeClose;
    TableEvent beforeInsert;   // throw Abort to refuse
    TableEvent afterInsert;    // new record: set defaults here
    TableEvent beforeEdit;
    TableEvent beforePost;     // throw Abort to refuse
    TableEvent afterPost;
    TableEvent afterCancel;
    TableEvent beforeDelete;
    TableEvent afterDelete;
    TableEvent beforeScroll;
    TableEvent afterScroll;
    TableEvent onCalcFields;
    TableEvent onNewRecord;
    // Posting failed: the listeners are asked in order until one answers
    // other than Fail, and the later ones are not asked. Fail (also when
    // nobody listens) rethrows, Abort keeps the record in edit state quietly,
    // Retry writes again (and asks anew should that fail too). So a listener
    // that can mend the record belongs before one that only reports.
    Event<PostErrorAction(Table &, const DatabaseError &)> onPostError;

    // Suppresses the data-changed notifications for the controls.
    void disableControls();
    void enableControls();

signals:
    // For data sources and their controls.
    void stateChanged();
    void recordChanged();        // cursor moved or the record was reread
    void fieldChanged(int fieldIndex);
    void layoutChanged();        // opened, closed, order/filter/range changed
    // The current record or its values changed; sent also while controls are
    // disabled, so detail tables follow their master.
    void currentChanged();
    // post() is about to write: data-aware controls store text still waiting
    // in them. Sent before beforePost, not while controls are disabled.
    void aboutToPost();

protected:
    // Signals nobody listens to are not sent: a bulk append would otherwise
    // spend a good part of its time announcing changes.
    void connectNotify(const QMetaMethod &signal) override;
    void disconnectNotify(const QMetaMethod &signal) override;

private:
    friend class Field;
    friend struct TableInternals;
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace db
