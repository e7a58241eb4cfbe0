#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <exception>
#include <functional>

class QFocusEvent;

namespace db {
class DataSource;
class Field;
class Table;
}

namespace ui {

// Focus that leaves for another window (a dialog, a menu) is no real exit
// from a data-aware control.
bool leavesForGood(const QFocusEvent *event);

// Binds one control to one field of a data source: tells the control when
// to show the field anew and writes the user's changes into it.
class DataLink : public QObject
{
    Q_OBJECT
public:
    explicit DataLink(QObject *parent = nullptr);

    void setDataSource(db::DataSource *source);
    db::DataSource *dataSource() const;
    void setFieldName(const QString &fieldName);
    QString fieldName() const { return fieldName_; }

    db::Table *table() const;
    // The field of the current record; nullptr while the dataset is closed,
    // the source disabled or the field unknown.
    db::Field *field() const;
    // The dataset is open and the source enabled.
    bool active() const;
    // The user may change the field now: not read-only, not calculated, and
    // the dataset is being edited or may be put into edit state.
    bool canModify() const;

    enum class WriteResult { Written, Invalid, Refused };
    // Runs the write (which sets the field), putting the dataset into edit
    // state as needed. Text that does not fit the field gives Invalid
    // (nothing changed, nothing shown: the control tells the user when he
    // leaves it); any other refusal (a lock, a read-only table) is shown to
    // the user and gives Refused.
    WriteResult write(const std::function<void(db::Field &field)> &setter);
    // The message of the last Invalid write.
    QString lastError() const { return lastError_; }
    // Only on aboutToPost(): refuses the post with the error of the last
    // Invalid write.
    void refusePost();

signals:
    // The control shows the field anew (other record, other value, closed).
    void dataChanged();
    // Whether the control may be edited may have changed.
    void editingChanged();
    // The dataset is about to post: the control stores text still waiting
    // in it, or refuses the post (refusePost()) when it does not fit.
    void aboutToPost();

private:
    void connectSource();
    void onFieldChanged(int fieldIndex);

    QPointer<db::DataSource> source_;
    QString fieldName_;
    QString lastError_;
    std::exception_ptr lastFailure_;
    bool writing_ = false;
};

} // namespace ui
