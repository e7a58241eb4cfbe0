#include "DataFixture.h"
#include "Interaction.h"

#include "platform/ui/Appearance.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/Form.h"
#include "platform/ui/PostErrors.h"
#include "platform/ui/SpeedButton.h"
#include "support/ScriptedDialogs.h"

#include "platform/db/Field.h"
#include "platform/sys/Files.h"

#include <QBuffer>
#include <QMouseEvent>
#include <QImage>
#include <QVBoxLayout>

using namespace interaction;

namespace {

// A customer card: number, name, amount, date text with a mask, a lookup
// button, the way the master-data forms are built.
class CustomerCard : public ui::Form
{
public:
    explicit CustomerCard(db::Table &table) : source(&table)
    {
        auto *layout = new QVBoxLayout(body());
        number = new ui::DataEdit(QStringLiteral("DBEdit1"), &source, QStringLiteral("Nummer"), body());
        name = new ui::DataEdit(QStringLiteral("DBEdit2"), &source, QStringLiteral("Name"), body());
        amount = new ui::DataEdit(QStringLiteral("DBEdit3"), &source, QStringLiteral("Betrag"), body());
        appointment = new ui::DataEdit(QStringLiteral("DBEdit4"), &source, QStringLiteral("Termin"), body());
        lookup = new ui::SpeedButton(QStringLiteral("SpeedButton1"), QStringLiteral("..."), body());
        for (QWidget *w : std::initializer_list<QWidget *>{number, name, amount, appointment, lookup})
            layout->addWidget(w);
        setEnterMovesFocus(true);
        postOnClose(&table);
        ui::showPostErrors(table);
    }

    db::DataSource source;
    ui::DataEdit *number;
    ui::DataEdit *name;
    ui::DataEdit *amount;
    ui::DataEdit *appointment;
    ui::SpeedButton *lookup;
};

class DataControls : public DataTest
{
protected:
    void SetUp() override
    {
        DataTest::SetUp();
        addCustomers(3);
        customers = open(QStringLiteral("Kunden"));
    }

    std::unique_ptr<db::Table> customers;
};

TEST_F(DataControls, ADataEditPostsWhatTheClerkTypesToTheTable)
{
    CustomerCard card(*customers);
    showActive(card);
    EXPECT_EQ(card.name->text(), QStringLiteral("Kunde1"));
    EXPECT_EQ(card.name->maxLength(), 20);

    card.name->setFocus();
    card.name->selectAll();
    typeText(QStringLiteral("Müller GmbH"));
    EXPECT_EQ(customers->state(), db::DatasetState::Edit);
    EXPECT_EQ(stored(QStringLiteral("Name"), 1).toString(), QStringLiteral("Kunde1"));

    customers->next();   // moving on posts, as in the old forms
    EXPECT_EQ(stored(QStringLiteral("Name"), 1).toString(), QStringLiteral("Müller GmbH"));
    EXPECT_EQ(card.name->text(), QStringLiteral("Kunde2"));
}

TEST_F(DataControls, AFailedPostShowsTheMessageAndKeepsTheClerkInTheForm)
{
    CustomerCard card(*customers);
    showActive(card);
    customers->append();
    card.number->setFocus();
    typeText(QStringLiteral("2"));   // taken by another customer
    card.name->setFocus();
    typeText(QStringLiteral("Neu"));

    ScriptedDialogs dialogs;
    dialogs.answerMessage(QStringLiteral("\nDaten konnten nicht gespeichert werden!"), ui::ModalResult::Ok);
    card.setModalResult(ui::ModalResult::Ok);
    EXPECT_TRUE(card.isVisible());
    EXPECT_EQ(customers->state(), db::DatasetState::Insert);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].type, ui::MessageType::Error);
    EXPECT_FALSE(dialogs.shown()[0].text.startsWith(QLatin1Char('\n')));   // the store's own words come first

    card.number->setFocus();
    card.number->selectAll();
    typeText(QStringLiteral("99"));
    card.setModalResult(ui::ModalResult::Ok);
    EXPECT_FALSE(card.isVisible());
    EXPECT_EQ(stored(QStringLiteral("Name"), 99).toString(), QStringLiteral("Neu"));
}

TEST_F(DataControls, AListenerThatMendsTheRecordIsNotOverruledByTheMessage)
{
    // The numbering listens before the form shows post errors.
    customers->onPostError.add([](db::Table &t, const db::DatabaseError &) {
        t.fieldByName(QStringLiteral("Nummer")).setAsInteger(t.fieldByName(QStringLiteral("Nummer")).asInteger() + 10);
        return db::PostErrorAction::Retry;
    });
    CustomerCard card(*customers);
    showActive(card);
    customers->append();
    card.number->setFocus();
    typeText(QStringLiteral("2"));   // taken by another customer
    card.name->setFocus();
    typeText(QStringLiteral("Neu"));

    ScriptedDialogs dialogs;   // no message expected
    card.setModalResult(ui::ModalResult::Ok);
    EXPECT_FALSE(card.isVisible());
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(stored(QStringLiteral("Name"), 12).toString(), QStringLiteral("Neu"));
}

TEST_F(DataControls, TextThatIsNoNumberKeepsTheClerkInTheField)
{
    CustomerCard card(*customers);
    showActive(card);
    card.amount->setFocus();
    typeText(QStringLiteral("12,5x"));

    {
        ScriptedDialogs dialogs;
        dialogs.answerMessage(QStringLiteral("12,5x"), ui::ModalResult::Ok);
        click(Qt::Key_Return);   // Enter would move on
        QApplication::processEvents();
        EXPECT_EQ(focused(), card.amount);
    }
    // Back in the field with the text selected: typing replaces it.
    typeText(QStringLiteral("12,5"));
    card.appointment->setFocus();
    EXPECT_DOUBLE_EQ(customers->fieldByName(QStringLiteral("Betrag")).asFloat(), 12.5);
    EXPECT_EQ(card.amount->text(), QStringLiteral("12,50"));
}

// A click as the mouse makes it, on a button that never takes the focus.
void clickWithMouse(QAbstractButton *button)
{
    const QPointF centre(button->width() / 2.0, button->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, centre, button->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, button->mapToGlobal(centre), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &press);
    QApplication::sendEvent(button, &release);
}

TEST_F(DataControls, TextThatDoesNotFitIsNeverDroppedInSilence)
{
    CustomerCard card(*customers);
    int clicks = 0;
    QObject::connect(card.lookup, &QAbstractButton::clicked, [&] { ++clicks; });
    showActive(card);
    card.amount->setFocus();
    typeText(QStringLiteral("zwölf"));

    ScriptedDialogs dialogs;
    dialogs.answerMessage(QStringLiteral("zwölf"), ui::ModalResult::Ok)
        .answerMessage(QStringLiteral("zwölf"), ui::ModalResult::Ok);
    clickWithMouse(card.lookup);   // a navigation button would post the record
    EXPECT_EQ(clicks, 0);
    QApplication::processEvents();
    card.setModalResult(ui::ModalResult::Ok);
    EXPECT_TRUE(card.isVisible());
    EXPECT_EQ(focused(), card.amount);
    EXPECT_TRUE(dialogs.allAnswered());

    card.amount->selectAll();
    typeText(QStringLiteral("12"));
    clickWithMouse(card.lookup);
    EXPECT_EQ(clicks, 1);
    card.setModalResult(ui::ModalResult::Ok);
    EXPECT_FALSE(card.isVisible());
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("Betrag"), 1).toDouble(), 12);
}

// A menu item that posts meets the text still waiting in an edit: the post
// fails with the field's message instead of storing what the edit had before.
TEST_F(DataControls, CodeThatPostsMeetsTheTextWaitingInTheEdit)
{
    CustomerCard card(*customers);
    showActive(card);
    card.amount->setFocus();
    typeText(QStringLiteral("12"));
    typeText(QStringLiteral("x"));
    try {
        customers->post();
        ADD_FAILURE() << "posted 12 while the edit shows 12x";
    } catch (const db::ConversionError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("'12x'"))) << error.message().toStdString();
    }
    EXPECT_EQ(customers->state(), db::DatasetState::Edit);
    EXPECT_TRUE(stored(QStringLiteral("Betrag"), 1).isNull());
    QApplication::processEvents();
    EXPECT_EQ(focused(), card.amount);
    EXPECT_EQ(card.amount->selectedText(), QStringLiteral("12x"));

    typeText(QStringLiteral("15"));
    customers->post();
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("Betrag"), 1).toDouble(), 15);
}

TEST_F(DataControls, ADisabledSourceLeavesItsControlsEmpty)
{
    CustomerCard card(*customers);
    showActive(card);
    ASSERT_EQ(card.name->text(), QStringLiteral("Kunde1"));
    card.source.setEnabled(false);
    EXPECT_EQ(card.name->text(), QString());
    EXPECT_TRUE(card.name->isReadOnly());
    customers->next();
    EXPECT_EQ(card.name->text(), QString());
    card.source.setEnabled(true);
    EXPECT_EQ(card.name->text(), QStringLiteral("Kunde2"));
    EXPECT_FALSE(card.name->isReadOnly());
}

TEST_F(DataControls, EditMasksOfTheFormsBecomeQtMasks)
{
    struct Case { const char *old; const char *qt; bool keepLiterals; };
    const Case cases[] = {
        {"!99/99/0000;1; ", "00.00.9999; ", true},
        {"!90:00;1; ", "09:99; ", true},
        {"!99/99/0000 90:00;1;_", "00.00.9999 09:99;_", true},
        {"!00;1; ", "99; ", true},
        {"000-000;0;_", "999-999;_", false},
    };
    for (const Case &c : cases) {
        const ui::EditMask mask = ui::EditMask::fromOldMask(QString::fromUtf8(c.old));
        EXPECT_EQ(mask.inputMask, QString::fromUtf8(c.qt)) << c.old;
        EXPECT_EQ(mask.keepLiterals, c.keepLiterals) << c.old;
    }
    const ui::EditMask dropped = ui::EditMask::fromOldMask(QStringLiteral("000-000;0;_"));
    EXPECT_EQ(dropped.valueFromText(QStringLiteral("123-456")), QStringLiteral("123456"));
    EXPECT_EQ(dropped.valueFromText(QStringLiteral("-")), QString());

    CustomerCard card(*customers);
    card.appointment->setEditMask(QStringLiteral("!99/99/0000;1; "));
    showActive(card);
    card.appointment->setFocus();
    card.appointment->setCursorPosition(0);
    typeText(QStringLiteral("01022026"));
    EXPECT_EQ(customers->fieldByName(QStringLiteral("Termin")).asString(), QStringLiteral("01.02.2026"));
    card.appointment->clear();
    Q_EMIT card.appointment->textEdited(card.appointment->text());
    EXPECT_TRUE(customers->fieldByName(QStringLiteral("Termin")).isNull());
}

// An edit skips showing a text it already shows, but never one the clerk
// typed: whatever he typed, even back to the stored text, is replaced on
// cancel, and the next record's equal text starts without his undo steps.
TEST_F(DataControls, ADataEditShowsTheRecordAgainAfterTypingEvenWhenTheTextsAgree)
{
    database->execute(QStringLiteral("UPDATE \"Kunden\" SET \"Name\" = 'Gleich'"));
    customers->refresh();
    CustomerCard card(*customers);
    showActive(card);
    ASSERT_EQ(card.name->text(), QStringLiteral("Gleich"));
    card.name->setFocus();
    card.name->setCursorPosition(0);
    typeText(QStringLiteral("x"));
    click(Qt::Key_Backspace);
    EXPECT_EQ(card.name->text(), QStringLiteral("Gleich"));
    EXPECT_TRUE(card.name->isUndoAvailable());
    card.number->setFocus();
    customers->cancel();
    EXPECT_EQ(card.name->text(), QStringLiteral("Gleich"));
    EXPECT_FALSE(card.name->isUndoAvailable());
    customers->next();
    EXPECT_EQ(card.name->text(), QStringLiteral("Gleich"));
    EXPECT_EQ(card.number->text(), QStringLiteral("2"));
    EXPECT_FALSE(card.name->isUndoAvailable());
    EXPECT_FALSE(card.name->isModified());
}

TEST_F(DataControls, ReadOnlyWhereTheDataCannotBeChanged)
{
    CustomerCard card(*customers);
    EXPECT_FALSE(card.name->isReadOnly());
    card.source.autoEdit = false;
    customers->refresh();
    EXPECT_TRUE(card.name->isReadOnly());
    customers->edit();
    EXPECT_FALSE(card.name->isReadOnly());
    customers->cancel();
    card.source.autoEdit = true;
    card.name->setReadOnlyControl(true);
    customers->refresh();
    EXPECT_TRUE(card.name->isReadOnly());

    // Fixed fields of the master record are marked by colour, and the forms
    // ask for it by the old numbers.
    card.name->setColor(sys::colors::activeBorder);
    EXPECT_EQ(card.name->color(), sys::colors::activeBorder);
    EXPECT_EQ(card.name->palette().color(QPalette::Base), sys::toQColor(sys::colors::activeBorder));

    customers->close();
    EXPECT_TRUE(card.amount->isReadOnly());
    EXPECT_EQ(card.amount->text(), QString());
}

TEST_F(DataControls, HotKeyOfADataEditClicksItsLookupThenReportsTheKey)
{
    CustomerCard card(*customers);
    int lookups = 0;
    QList<int> released;
    QObject::connect(card.lookup, &QAbstractButton::clicked, [&] { ++lookups; });
    QObject::connect(card.name, &ui::DataEdit::keyReleased, [&](int key) {
        released << key;
        EXPECT_EQ(lookups, 1);   // the lookup ran first
    });
    card.name->setLinkedComponent(QStringLiteral("SpeedButton1"));
    card.name->setHotKey(Qt::Key_F9);
    showActive(card);
    card.name->setFocus();
    click(Qt::Key_F9);
    EXPECT_EQ(lookups, 1);
    EXPECT_EQ(released, QList<int>{Qt::Key_F9});
}

TEST_F(DataControls, CheckBoxesWriteTheirOwnValues)
{
    db::DataSource source(customers.get());
    struct Case { const char *field; const char *checked; const char *unchecked; const char *stored; bool shown; };
    const Case cases[] = {
        {"Gesperrt", "j", "n", "n", false},
        {"Gesperrt", "J;j", "N;n", "j", true},
        {"Name", "True", "False", "False", false},
        {"Name", "True", "False", "true", true},   // compared without regard to case
        {"Name", "j", "n", "x", false},
    };
    for (const Case &c : cases) {
        customers->fieldByName(QLatin1String(c.field)).setAsString(QString::fromUtf8(c.stored));
        ui::DataCheckBox box(QStringLiteral("DBCheckBox1"), QStringLiteral("Gesperrt"), &source, QLatin1String(c.field));
        box.setValueChecked(QString::fromUtf8(c.checked));
        box.setValueUnchecked(QString::fromUtf8(c.unchecked));
        EXPECT_EQ(box.isChecked(), c.shown) << c.field << " " << c.stored;
        box.click();
        const QString written = customers->fieldByName(QLatin1String(c.field)).asString();
        const QString expected = QString::fromUtf8(c.shown ? c.unchecked : c.checked).section(QLatin1Char(';'), 0, 0);
        EXPECT_EQ(written, expected) << c.field << " " << c.stored;
        customers->cancel();
    }

    ui::DataCheckBox logical(QStringLiteral("DBCheckBox2"), QStringLiteral("Aktiv"), &source, QStringLiteral("Aktiv"));
    EXPECT_FALSE(logical.isChecked());
    logical.click();
    EXPECT_TRUE(customers->fieldByName(QStringLiteral("Aktiv")).asBoolean());
}

TEST_F(DataControls, ComboWithFixedItems)
{
    db::DataSource source(customers.get());
    ui::DataComboBox combo(QStringLiteral("DBComboBox1"), &source, QStringLiteral("Name"),
                           {QStringLiteral("Anwender"), QStringLiteral("Systemverwalter")});
    EXPECT_EQ(combo.currentIndex(), -1);   // "Kunde1" is none of the items
    combo.setCurrentIndex(1);
    Q_EMIT combo.activated(1);
    EXPECT_EQ(customers->fieldByName(QStringLiteral("Name")).asString(), QStringLiteral("Systemverwalter"));
    customers->post();
    customers->next();
    EXPECT_EQ(combo.currentIndex(), -1);
    customers->prior();
    EXPECT_EQ(combo.currentText(), QStringLiteral("Systemverwalter"));
}

TEST_F(DataControls, LookupComboShowsTheListFieldsAndStoresTheKey)
{
    auto countries = open(QStringLiteral("Laender"));
    db::DataSource source(customers.get());
    db::DataSource countrySource(countries.get());
    customers->fieldByName(QStringLiteral("Land")).setAsString(QStringLiteral("038"));

    ui::DataLookupComboBox combo;
    combo.setDataSource(&source);
    combo.setDataField(QStringLiteral("Land"));
    combo.setListSource(&countrySource);
    combo.setKeyField(QStringLiteral("Land"));
    combo.setListField(QStringLiteral("Bez;Land"));
    EXPECT_EQ(combo.currentText(), QStringLiteral("Österreich"));
    EXPECT_EQ(combo.model()->columnCount(), 2);

    Q_EMIT combo.activated(1);
    EXPECT_EQ(customers->fieldByName(QStringLiteral("Land")).asString(), QStringLiteral("017"));
    EXPECT_EQ(countries->fieldByName(QStringLiteral("Land")).asString(), QStringLiteral("004"));   // the list did not move

    // The form may order the list by name before it opens.
    int asked = 0;
    QObject::connect(&combo, &ui::DataLookupComboBox::popupAboutToShow, [&] {
        ++asked;
        countries->setIndexName(QStringLiteral("iBez"));
    });
    combo.showPopup();
    combo.hidePopup();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(combo.itemText(0), QStringLiteral("Belgien"));
    EXPECT_EQ(combo.currentText(), QStringLiteral("Belgien"));
}

TEST_F(DataControls, PicturesAndReadOnlyTexts)
{
    db::DataSource source(customers.get());
    ui::DataText amount(QStringLiteral("DBText1"), &source, QStringLiteral("Betrag"));
    customers->fieldByName(QStringLiteral("Betrag")).setAsFloat(12.5);
    EXPECT_EQ(amount.text(), QStringLiteral("12,50"));

    QImage logo(8, 4, QImage::Format_RGB32);
    logo.fill(Qt::red);
    const QString path = folder.file(QStringLiteral("logo.png"));
    ASSERT_TRUE(logo.save(path));
    sys::writeFileBytes(folder.file(QStringLiteral("kein-bild.png")), "kein Bild");

    ui::DataImage image;
    image.setDataSource(&source);
    image.setDataField(QStringLiteral("Bild"));
    EXPECT_FALSE(image.hasPicture());
    EXPECT_FALSE(image.loadFromFile(folder.file(QStringLiteral("kein-bild.png"))));
    ASSERT_TRUE(image.loadFromFile(path));
    EXPECT_TRUE(image.hasPicture());
    customers->post();
    EXPECT_FALSE(stored(QStringLiteral("Bild"), 1).toByteArray().isEmpty());
    customers->next();
    EXPECT_FALSE(image.hasPicture());
}

TEST_F(DataControls, MemoLinesKeepTheStoredLineEnds)
{
    db::DataSource source(customers.get());
    customers->fieldByName(QStringLiteral("Notiz")).setAsString(QStringLiteral("DBEdit6\r\nDBEdit12"));
    ui::DataMemo memo(QStringLiteral("DBMemo1"), &source, QStringLiteral("Notiz"));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("DBEdit6\nDBEdit12"));
    memo.appendPlainText(QStringLiteral("DBEdit30"));
    EXPECT_EQ(customers->fieldByName(QStringLiteral("Notiz")).asString(), QStringLiteral("DBEdit6\r\nDBEdit12\r\nDBEdit30"));
}

TEST_F(DataControls, DataEditsTakeTheInputFont)
{
    CustomerCard card(*customers);
    ui::Appearance appearance;
    appearance.inputFields.font = QFont(QStringLiteral("Liberation Mono"), 13);
    ui::applyAppearance(&card, appearance, ui::LabelFont::Document);
    EXPECT_EQ(card.name->font().pointSize(), 13);
}

} // namespace
