#pragma once

#include "DataLink.h"
#include "EditMask.h"

#include "platform/sys/Colors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStringList>

namespace db {
class DataSource;
class Field;
class Table;
}

namespace ui {

// The data-aware controls. Each shows one field of its data source's current
// record and writes what the user types straight into it, putting the
// dataset into edit state (when the source allows it). Text that does not
// fit the field (no number, no date) is refused when the user leaves the
// control: he gets the message and stays in it. entered() and exited() tell
// the form when the focus comes and goes.

// Stores the text waiting in the data edits of the window before something
// moves or posts their records (a click on a speed button, the grid, closing
// the form); false when one of them still does not fit its field.
bool commitPendingInput(QWidget *window);

// What every data-aware control has: the link to its field.
class DataBinding
{
public:
    void setDataSource(db::DataSource *source) { link_.setDataSource(source); }
    db::DataSource *dataSource() const { return link_.dataSource(); }
    void setDataField(const QString &fieldName) { link_.setFieldName(fieldName); }
    QString dataField() const { return link_.fieldName(); }
    db::Field *field() const { return link_.field(); }

protected:
    DataLink link_;
};

// An edit (TDBEdit): at most as many characters as the text field holds,
// read-only when the field or the dataset is, colours, an edit mask, and a
// hot key that clicks a lookup button (see Keys.h).
class DataEdit : public QLineEdit, public DataBinding
{
    Q_OBJECT
public:
    explicit DataEdit(QWidget *parent = nullptr);
    DataEdit(const QString &objectName, db::DataSource *source, const QString &fieldName, QWidget *parent = nullptr);

    // Read-only by choice, whatever the field allows.
    void setReadOnlyControl(bool readOnly);
    bool readOnlyControl() const { return readOnlyControl_; }

    // Background and font colour in the old library's numbers, so forms can
    // compare them ("is it clWindow?").
    void setColor(sys::ColorValue color);
    sys::ColorValue color() const { return color_; }
    void setFontColor(sys::ColorValue color);
    sys::ColorValue fontColor() const { return fontColor_; }

    void setEditMask(const QString &oldMask);
    QString editMask() const { return oldMask_; }

    void setHotKey(int qtKey);
    int hotKey() const;
    void setLinkedComponent(const QString &buttonName);
    QString linkedComponent() const;

    // As wide as that many characters of its font need (digits, the widest
    // content of codes, numbers and dates), also after its font changes.
    void setWidthInCharacters(int characters);

    // Shows the field anew, dropping what the user typed but did not store.
    void reset();
    // Text that did not fit the field is still waiting in the edit.
    bool hasPendingInput() const { return invalidPending_; }
    // Stores the waiting text; when it still does not fit, the user is told
    // (unless he has just been told) and put back into the edit: false.
    bool commit();

signals:
    void entered();
    void exited();
    // After the hot key's click, for every key released in the edit.
    void keyReleased(int key, Qt::KeyboardModifiers modifiers);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fitWidth();
    void showField();
    void updateEditing();
    void userEdited();
    bool writeText();
    void refuseExit();
    void storeBeforePost();
    QString valueText() const;

    EditMask mask_;
    QString oldMask_;
    bool readOnlyControl_ = false;
    bool invalidPending_ = false;
    bool errorShown_ = false;
    sys::ColorValue color_ = sys::colors::window;
    sys::ColorValue fontColor_ = sys::colors::windowText;
    int widthInCharacters_ = 0;
};

// A memo (TDBMemo) for long text.
class DataMemo : public QPlainTextEdit, public DataBinding
{
    Q_OBJECT
public:
    explicit DataMemo(QWidget *parent = nullptr);
    DataMemo(const QString &objectName, db::DataSource *source, const QString &fieldName, QWidget *parent = nullptr);

    void setReadOnlyControl(bool readOnly);

signals:
    void entered();
    void exited();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showField();
    void updateEditing();
    void userEdited();

    bool readOnlyControl_ = false;
    bool showing_ = false;
};

// A check box (TDBCheckBox). A logical field is ticked when true; a text
// field when it holds one of the checked values, compared without regard to
// case ("j;J", "True"). Ticking writes the first checked value, unticking the
// first unchecked one. Any other content shows unticked.
class DataCheckBox : public QCheckBox, public DataBinding
{
    Q_OBJECT
public:
    explicit DataCheckBox(QWidget *parent = nullptr);
    DataCheckBox(const QString &objectName, const QString &caption, db::DataSource *source,
                 const QString &fieldName, QWidget *parent = nullptr);

    // Several values separated by ';'; the first is the one written.
    void setValueChecked(const QString &values);
    void setValueUnchecked(const QString &values);
    QString valueChecked() const { return checkedValues_.join(QLatin1Char(';')); }
    QString valueUnchecked() const { return uncheckedValues_.join(QLatin1Char(';')); }

signals:
    void entered();
    void exited();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void nextCheckState() override;

private:
    void showField();

    QStringList checkedValues_{QStringLiteral("True")};
    QStringList uncheckedValues_{QStringLiteral("False")};
};

// A combo box with fixed items (TDBComboBox); editable lets the user type
// other text as well.
class DataComboBox : public QComboBox, public DataBinding
{
    Q_OBJECT
public:
    explicit DataComboBox(QWidget *parent = nullptr);
    DataComboBox(const QString &objectName, db::DataSource *source, const QString &fieldName,
                 const QStringList &items, QWidget *parent = nullptr);

    void setItems(const QStringList &items);
    void setEditableText(bool editable);

signals:
    void entered();
    void exited();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

    // The item a stored value shows as, and the value an item stores: by
    // default its text. A combo box whose items stand for codes maps them.
    virtual int itemForValue(const QString &value) const { return findText(value); }
    virtual QString valueOfItem(int index) const { return itemText(index); }
    // Shows the field's value again (after the items or their mapping changed).
    void showField();

private:
    void updateEditing();
    void writeText(const QString &text);

    bool showing_ = false;
};

// A lookup combo (TDBLookupComboBox): the data field holds a key of the list
// table; the box shows the list fields of the row with that key and offers
// the list table's rows in its current order. Choosing a row writes its key.
class DataLookupComboBox : public QComboBox, public DataBinding
{
    Q_OBJECT
public:
    explicit DataLookupComboBox(QWidget *parent = nullptr);

    // The list: a table, its key field, and the fields shown ("Bez;Land":
    // the first in the box, all of them in the open list).
    void setListSource(db::DataSource *listSource);
    void setKeyField(const QString &keyField);
    void setListField(const QString &listFields);
    // Reads the list table again (after its order or filter changed).
    void reloadList();

    void showPopup() override;

signals:
    void entered();
    void exited();
    // Before the list opens: the form may change the list table's order.
    void popupAboutToShow();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void showField();
    void updateEditing();
    void loadList();
    void chosen(int index);

    QPointer<db::DataSource> listSource_;
    QString keyField_;
    QStringList listFields_;
    QList<QVariant> keys_;
    bool loaded_ = false;
    bool showing_ = false;
};

// A picture from a graphic field (TDBImage).
class DataImage : public QLabel, public DataBinding
{
    Q_OBJECT
public:
    explicit DataImage(QWidget *parent = nullptr);

    // Fits the picture into the control.
    void setStretch(bool stretch) { setScaledContents(stretch); }
    // Stores the file's picture in the field; false when the file is no
    // picture or the field cannot take it.
    bool loadFromFile(const QString &path);
    bool hasPicture() const;

private:
    void showField();
};

// A read-only text (TDBText).
class DataText : public QLabel, public DataBinding
{
    Q_OBJECT
public:
    explicit DataText(QWidget *parent = nullptr);
    DataText(const QString &objectName, db::DataSource *source, const QString &fieldName, QWidget *parent = nullptr);

private:
    void showField();
};

} // namespace ui
