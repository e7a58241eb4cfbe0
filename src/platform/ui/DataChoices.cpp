#include "DataControls.h"

#include "Dialogs.h"
#include "QuietCursor.h"

#include "platform/db/DataSource.h"
#include "platform/db/Field.h"
#include "platform/db/Table.h"

#include <QFile>
#include <QFocusEvent>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>
#include <QWheelEvent>

namespace ui {

namespace {

QStringList valueList(const QString &values)
{
    QStringList list = values.split(QLatin1Char(';'));
    if (list.isEmpty())
        list << QString();
    return list;
}

} // namespace

// --- DataCheckBox

DataCheckBox::DataCheckBox(QWidget *parent) : QCheckBox(parent)
{
    connect(&link_, &DataLink::dataChanged, this, &DataCheckBox::showField);
    showField();
}

DataCheckBox::DataCheckBox(const QString &objectName, const QString &caption, db::DataSource *source,
                           const QString &fieldName, QWidget *parent)
    : DataCheckBox(parent)
{
    setObjectName(objectName);
    setText(caption);
    setDataSource(source);
    setDataField(fieldName);
}

void DataCheckBox::setValueChecked(const QString &values)
{
    checkedValues_ = valueList(values);
    showField();
}

void DataCheckBox::setValueUnchecked(const QString &values)
{
    uncheckedValues_ = valueList(values);
    showField();
}

void DataCheckBox::showField()
{
    bool checked = false;
    if (db::Field *own = link_.field(); own && !own->isNull()) {
        if (own->type() == db::FieldType::Logical) {
            checked = own->asBoolean();
        } else {
            const QString value = own->asString();
            for (const QString &candidate : std::as_const(checkedValues_))
                checked = checked || value.compare(candidate, Qt::CaseInsensitive) == 0;
        }
    }
    setChecked(checked);
}

void DataCheckBox::nextCheckState()
{
    if (!link_.canModify())
        return;
    const bool checked = !isChecked();
    const DataLink::WriteResult result = link_.write([&](db::Field &field) {
        if (field.type() == db::FieldType::Logical)
            field.setAsBoolean(checked);
        else
            field.setAsString(checked ? checkedValues_.first() : uncheckedValues_.first());
    });
    if (result == DataLink::WriteResult::Written)
        setChecked(checked);
    else if (result == DataLink::WriteResult::Invalid)
        showError(link_.lastError());
}

void DataCheckBox::focusInEvent(QFocusEvent *event)
{
    QCheckBox::focusInEvent(event);
    emit entered();
}

void DataCheckBox::focusOutEvent(QFocusEvent *event)
{
    QCheckBox::focusOutEvent(event);
    if (leavesForGood(event))
        emit exited();
}

// --- DataComboBox

DataComboBox::DataComboBox(QWidget *parent) : QComboBox(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    connect(&link_, &DataLink::dataChanged, this, &DataComboBox::showField);
    connect(&link_, &DataLink::editingChanged, this, &DataComboBox::updateEditing);
    connect(this, &QComboBox::activated, this, [this](int index) { writeText(valueOfItem(index)); });
    showField();
}

DataComboBox::DataComboBox(const QString &objectName, db::DataSource *source, const QString &fieldName,
                           const QStringList &items, QWidget *parent)
    : DataComboBox(parent)
{
    setObjectName(objectName);
    setItems(items);
    setDataSource(source);
    setDataField(fieldName);
}

void DataComboBox::setItems(const QStringList &items)
{
    showing_ = true;
    clear();
    addItems(items);
    showing_ = false;
    showField();
}

void DataComboBox::setEditableText(bool editable)
{
    setEditable(editable);
    if (editable && lineEdit())
        connect(lineEdit(), &QLineEdit::textEdited, this, &DataComboBox::writeText);
    showField();
}

void DataComboBox::showField()
{
    showing_ = true;
    db::Field *own = link_.field();
    const QString value = own ? own->asString() : QString();
    if (isEditable())
        setEditText(value);
    else
        setCurrentIndex(itemForValue(value));
    showing_ = false;
    updateEditing();
}

void DataComboBox::updateEditing()
{
    setEnabled(link_.canModify() || !link_.active());
    if (isEditable() && lineEdit())
        lineEdit()->setReadOnly(!link_.canModify());
}

void DataComboBox::writeText(const QString &text)
{
    if (showing_)
        return;
    if (link_.write([&text](db::Field &field) { field.setAsString(text); }) == DataLink::WriteResult::Invalid)
        showError(link_.lastError());
}

void DataComboBox::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    emit entered();
}

void DataComboBox::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    if (leavesForGood(event))
        emit exited();
}

void DataComboBox::wheelEvent(QWheelEvent *event)
{
    // Turning the wheel over the form must not change a value in passing.
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}

// --- DataLookupComboBox

DataLookupComboBox::DataLookupComboBox(QWidget *parent) : QComboBox(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setModel(new QStandardItemModel(this));
    connect(&link_, &DataLink::dataChanged, this, &DataLookupComboBox::showField);
    connect(&link_, &DataLink::editingChanged, this, &DataLookupComboBox::updateEditing);
    connect(this, &QComboBox::activated, this, &DataLookupComboBox::chosen);
}

void DataLookupComboBox::setListSource(db::DataSource *listSource)
{
    if (listSource_)
        disconnect(listSource_, nullptr, this, nullptr);
    listSource_ = listSource;
    if (listSource_) {
        connect(listSource_, &db::DataSource::layoutChanged, this, [this] {
            loaded_ = false;
            showField();
        });
    }
    reloadList();
}

void DataLookupComboBox::setKeyField(const QString &keyField)
{
    keyField_ = keyField;
    reloadList();
}

void DataLookupComboBox::setListField(const QString &listFields)
{
    listFields_ = listFields.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    reloadList();
}

void DataLookupComboBox::reloadList()
{
    loaded_ = false;
    showField();
}

void DataLookupComboBox::loadList()
{
    db::Table *list = listSource_ ? listSource_->dataSet() : nullptr;
    if (!list || keyField_.isEmpty() || listFields_.isEmpty() || !QuietCursor::possible(*list))
        return;
    auto *items = static_cast<QStandardItemModel *>(model());
    showing_ = true;
    items->clear();
    keys_.clear();
    {
        QuietCursor quiet(*list);
        db::Field &key = list->fieldByName(keyField_);
        QList<db::Field *> shown;
        for (const QString &name : std::as_const(listFields_))
            shown << &list->fieldByName(name);
        for (list->first(); !list->eof(); list->next()) {
            QList<QStandardItem *> row;
            for (db::Field *field : std::as_const(shown))
                row << new QStandardItem(field->displayText());
            items->appendRow(row);
            keys_ << key.value();
        }
    }
    if (listFields_.size() > 1 && !qobject_cast<QTableView *>(view())) {
        auto *table = new QTableView(this);
        table->horizontalHeader()->hide();
        table->verticalHeader()->hide();
        table->setShowGrid(false);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        setView(table);
    }
    if (auto *table = qobject_cast<QTableView *>(view()))
        table->resizeColumnsToContents();
    setModelColumn(0);
    showing_ = false;
    loaded_ = true;
}

void DataLookupComboBox::showField()
{
    if (!loaded_)
        loadList();
    showing_ = true;
    int index = -1;
    if (db::Field *own = link_.field(); own && !own->isNull()) {
        const QString key = own->asString();
        for (int i = 0; i < keys_.size() && index < 0; ++i) {
            if (keys_.at(i).toString() == key)
                index = i;
        }
    }
    setCurrentIndex(index);
    showing_ = false;
    updateEditing();
}

void DataLookupComboBox::updateEditing()
{
    setEnabled(link_.canModify() || !link_.active());
}

void DataLookupComboBox::chosen(int index)
{
    if (showing_ || index < 0 || index >= keys_.size())
        return;
    const QVariant key = keys_.at(index);
    if (link_.write([&key](db::Field &field) { field.setValue(key); }) == DataLink::WriteResult::Invalid)
        showError(link_.lastError());
}

void DataLookupComboBox::showPopup()
{
    emit popupAboutToShow();
    loaded_ = false;
    showField();
    QComboBox::showPopup();
}

void DataLookupComboBox::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    emit entered();
}

void DataLookupComboBox::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    if (leavesForGood(event))
        emit exited();
}

void DataLookupComboBox::wheelEvent(QWheelEvent *event)
{
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}

// --- DataImage

DataImage::DataImage(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    connect(&link_, &DataLink::dataChanged, this, &DataImage::showField);
}

void DataImage::showField()
{
    QPixmap picture;
    if (db::Field *own = link_.field(); own && !own->isNull())
        picture.loadFromData(own->asBytes());
    if (picture.isNull())
        clear();
    else
        setPixmap(picture);
}

bool DataImage::loadFromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (QImage::fromData(bytes).isNull())
        return false;
    const bool written = link_.write([&bytes](db::Field &field) { field.setAsBytes(bytes); })
        == DataLink::WriteResult::Written;
    showField();
    return written;
}

bool DataImage::hasPicture() const
{
    return !pixmap().isNull();
}

// --- DataText

DataText::DataText(QWidget *parent) : QLabel(parent)
{
    connect(&link_, &DataLink::dataChanged, this, &DataText::showField);
}

DataText::DataText(const QString &objectName, db::DataSource *source, const QString &fieldName, QWidget *parent)
    : DataText(parent)
{
    setObjectName(objectName);
    setDataSource(source);
    setDataField(fieldName);
}

void DataText::showField()
{
    db::Field *own = link_.field();
    setText(own ? own->displayText() : QString());
}

} // namespace ui
