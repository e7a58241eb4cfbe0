#include "DataControls.h"

#include "Dialogs.h"
#include "Keys.h"

#include "platform/db/Field.h"
#include "platform/db/Table.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyle>
#include <QTimer>

namespace ui {

namespace {

void setPaletteColor(QWidget *widget, QPalette::ColorRole role, sys::ColorValue color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, sys::toQColor(color));
    widget->setPalette(palette);
}

} // namespace

// --- DataEdit

DataEdit::DataEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(&link_, &DataLink::dataChanged, this, &DataEdit::showField);
    connect(&link_, &DataLink::editingChanged, this, &DataEdit::updateEditing);
    connect(&link_, &DataLink::aboutToPost, this, &DataEdit::storeBeforePost);
    connect(this, &QLineEdit::textEdited, this, &DataEdit::userEdited);
    showField();
}

DataEdit::DataEdit(const QString &objectName, db::DataSource *source, const QString &fieldName, QWidget *parent)
    : DataEdit(parent)
{
    setObjectName(objectName);
    setDataSource(source);
    setDataField(fieldName);
}

void DataEdit::setReadOnlyControl(bool readOnly)
{
    readOnlyControl_ = readOnly;
    updateEditing();
}

void DataEdit::setColor(sys::ColorValue color)
{
    color_ = color;
    setPaletteColor(this, QPalette::Base, color);
}

void DataEdit::setFontColor(sys::ColorValue color)
{
    fontColor_ = color;
    setPaletteColor(this, QPalette::Text, color);
}

void DataEdit::setEditMask(const QString &oldMask)
{
    oldMask_ = oldMask;
    mask_ = EditMask::fromOldMask(oldMask);
    setInputMask(mask_.inputMask);
    showField();
}

void DataEdit::setHotKey(int qtKey)
{
    ui::setHotKey(this, qtKey, linkedComponent());
}

int DataEdit::hotKey() const
{
    return ui::hotKey(this);
}

void DataEdit::setLinkedComponent(const QString &buttonName)
{
    ui::setLinkedComponent(this, buttonName);
}

QString DataEdit::linkedComponent() const
{
    return ui::linkedComponent(this);
}

void DataEdit::setWidthInCharacters(int characters)
{
    widthInCharacters_ = characters;
    fitWidth();
}

void DataEdit::fitWidth()
{
    if (widthInCharacters_ <= 0)
        return;
    // The frame, the edit's own margins and the cursor beside the text.
    const int frame = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const QMargins margins = textMargins();
    setFixedWidth(fontMetrics().horizontalAdvance(QString(widthInCharacters_, QLatin1Char('0'))) + frame + 6
                  + margins.left() + margins.right());
}

void DataEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitWidth();
}

void DataEdit::reset()
{
    showField();
}

QString DataEdit::valueText() const
{
    return mask_.valueFromText(text());
}

void DataEdit::showField()
{
    invalidPending_ = false;
    db::Field *own = link_.field();
    int maxLength = 32767;
    QString shown;
    if (own) {
        if (own->type() == db::FieldType::Alpha && own->size() > 0)
            maxLength = own->size();
        // Money shows its two decimals until the user works in the field.
        shown = hasFocus() ? own->asString() : own->displayText();
    }
    // Either setter lays the text out anew, even when nothing changes: on a
    // form that follows a cursor every move costs that for every edit.
    if (mask_.inputMask.isEmpty() && this->maxLength() != maxLength)
        setMaxLength(maxLength);
    if (text() != shown || hasFocus() || isModified() || isUndoAvailable())
        setText(shown);
    updateEditing();
}

void DataEdit::updateEditing()
{
    setReadOnly(readOnlyControl_ || !link_.canModify());
}

bool DataEdit::writeText()
{
    const DataLink::WriteResult result = link_.write([this](db::Field &field) { field.setAsString(valueText()); });
    invalidPending_ = result == DataLink::WriteResult::Invalid;
    return !invalidPending_;
}

void DataEdit::userEdited()
{
    errorShown_ = false;
    writeText();
}

void DataEdit::refuseExit()
{
    // The user must put right what he typed before he goes on. Whatever
    // made the focus leave (a click on the grid) is refused without a
    // second message until he is back in the edit.
    errorShown_ = true;
    showError(link_.lastError());
    QTimer::singleShot(0, this, [this] {
        errorShown_ = false;
        setFocus(Qt::OtherFocusReason);
        selectAll();
    });
}

bool DataEdit::commit()
{
    if (!invalidPending_ || writeText())
        return true;
    if (!errorShown_)
        refuseExit();
    return false;
}

void DataEdit::storeBeforePost()
{
    if (!invalidPending_ || writeText())
        return;
    // The post fails with the field's message, which whoever posted shows;
    // the clerk is then back here to put the text right.
    link_.refusePost();
    QTimer::singleShot(0, this, [this] {
        setFocus(Qt::OtherFocusReason);
        selectAll();
    });
}

bool commitPendingInput(QWidget *window)
{
    if (!window)
        return true;
    const auto edits = window->findChildren<DataEdit *>();
    for (DataEdit *edit : edits) {
        if (edit->hasPendingInput() && !edit->commit())
            return false;
    }
    return true;
}

void DataEdit::focusInEvent(QFocusEvent *event)
{
    // The edit text first, so the selection made on entering stays.
    if (!invalidPending_ && !isReadOnly()) {
        if (db::Field *own = link_.field(); own && own->asString() != own->displayText())
            showField();
    }
    QLineEdit::focusInEvent(event);
    emit entered();
}

void DataEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (!leavesForGood(event))
        return;
    if (invalidPending_ && !writeText()) {
        refuseExit();
        return;
    }
    showField();
    emit exited();
}

void DataEdit::keyReleaseEvent(QKeyEvent *event)
{
    QLineEdit::keyReleaseEvent(event);
    emit keyReleased(event->key(), event->modifiers());
}

// --- DataMemo

DataMemo::DataMemo(QWidget *parent) : QPlainTextEdit(parent)
{
    connect(&link_, &DataLink::dataChanged, this, &DataMemo::showField);
    connect(&link_, &DataLink::editingChanged, this, &DataMemo::updateEditing);
    connect(this, &QPlainTextEdit::textChanged, this, &DataMemo::userEdited);
    showField();
}

DataMemo::DataMemo(const QString &objectName, db::DataSource *source, const QString &fieldName, QWidget *parent)
    : DataMemo(parent)
{
    setObjectName(objectName);
    setDataSource(source);
    setDataField(fieldName);
}

void DataMemo::setReadOnlyControl(bool readOnly)
{
    readOnlyControl_ = readOnly;
    updateEditing();
}

void DataMemo::showField()
{
    showing_ = true;
    db::Field *own = link_.field();
    QString text = own ? own->asString() : QString();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setPlainText(text);
    showing_ = false;
    updateEditing();
}

void DataMemo::updateEditing()
{
    setReadOnly(readOnlyControl_ || !link_.canModify());
}

void DataMemo::userEdited()
{
    if (showing_)
        return;
    // Memo lines are stored with CR LF, as the existing data has them.
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    link_.write([&text](db::Field &field) { field.setAsString(text); });
}

void DataMemo::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    emit entered();
}

void DataMemo::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    if (leavesForGood(event))
        emit exited();
}

} // namespace ui
