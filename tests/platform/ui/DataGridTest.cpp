#include "DataFixture.h"
#include "Interaction.h"

#include "platform/ui/DataGrid.h"
#include "platform/ui/Form.h"
#include "platform/ui/ScrollBox.h"

#include "platform/db/Field.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace interaction;

namespace {

int currentNumber(db::Table &table)
{
    return table.fieldByName(QStringLiteral("Nummer")).asInteger();
}

class DataGridTest : public DataTest
{
protected:
    // A list of `count` customers in a grid about ten rows high.
    void showList(int count)
    {
        addCustomers(count);
        customers = open(QStringLiteral("Kunden"));
        source = std::make_unique<db::DataSource>(customers.get());
        grid = std::make_unique<ui::DataGrid>();
        grid->setObjectName(QStringLiteral("dbgrBenutzer"));
        grid->setColumns({{QStringLiteral("Nummer"), QStringLiteral("Kunden-Nr."), 120},
                          {QStringLiteral("Name"), QStringLiteral("Kunde"), 0}});
        grid->setDataSource(source.get());
        grid->resize(300, grid->horizontalHeader()->sizeHint().height() + 10 * grid->verticalHeader()->defaultSectionSize() + 8);
        showActive(*grid);
        grid->refresh();
    }

    // Lets the grid catch up with the dataset, as it does between events.
    void settle()
    {
        QApplication::processEvents();
        QApplication::processEvents();
    }

    std::unique_ptr<db::Table> customers;
    std::unique_ptr<db::DataSource> source;
    std::unique_ptr<ui::DataGrid> grid;
};

TEST_F(DataGridTest, OneRecordPerWheelNotch)
{
    showList(30);
    ASSERT_EQ(currentNumber(*customers), 1);
    wheel(grid->viewport(), -120);   // towards the user
    EXPECT_EQ(currentNumber(*customers), 2);
    wheel(grid->viewport(), -360);   // a fast turn reports three notches at once
    EXPECT_EQ(currentNumber(*customers), 3);
    wheel(grid->viewport(), 120);
    EXPECT_EQ(currentNumber(*customers), 2);
    for (int delta : {40, 40, 40})   // a touch pad's small steps make one notch
        wheel(grid->viewport(), delta);
    EXPECT_EQ(currentNumber(*customers), 1);

    customers->last();
    wheel(grid->viewport(), -120);
    EXPECT_EQ(currentNumber(*customers), 30);
    settle();
    EXPECT_EQ(grid->currentRecordRow(), grid->rowCount() - 1);
}

TEST_F(DataGridTest, AGridWithoutDataIgnoresTheWheelAndKeepsItFromTheForm)
{
    ui::Form form;
    auto *box = new ui::ScrollBox(form.body());
    box->resize(300, 200);
    box->content()->setMinimumSize(280, 2000);
    auto *lonely = new ui::DataGrid(box->content());
    lonely->resize(250, 150);
    auto *layout = new QVBoxLayout(form.body());
    layout->addWidget(box);
    showActive(form);
    box->setPosition(300);
    wheel(lonely->viewport(), -120);
    EXPECT_EQ(box->position(), 300);
    EXPECT_EQ(lonely->rowCount(), 0);
}

TEST_F(DataGridTest, ReadsOnlyTheVisibleRowsOfALargeTable)
{
    addCustomers(20000);
    customers = std::make_unique<db::Table>(*database, QStringLiteral("Kunden"));
    customers->addCalculatedField({QStringLiteral("Anzeige"), db::FieldType::Alpha, 30});
    int read = 0;
    customers->onCalcFields.add([&](db::Table &t) {
        ++read;
        t.fieldByName(QStringLiteral("Anzeige")).setAsString(t.fieldByName(QStringLiteral("Name")).asString());
    });
    customers->open();
    source = std::make_unique<db::DataSource>(customers.get());
    grid = std::make_unique<ui::DataGrid>();
    grid->setColumns({{QStringLiteral("Nummer")}, {QStringLiteral("Anzeige")}});
    grid->setDataSource(source.get());
    grid->resize(300, 300);
    showActive(*grid);
    read = 0;
    grid->refresh();
    const int rows = grid->visibleRowCount();
    EXPECT_EQ(grid->rowCount(), rows);
    EXPECT_EQ(grid->cellText(0, 1), QStringLiteral("Kunde1"));
    EXPECT_LE(read, rows + 2);

    read = 0;
    grid->setFocus();
    press(Qt::Key_End, Qt::ControlModifier);
    settle();
    EXPECT_EQ(currentNumber(*customers), 20000);
    EXPECT_EQ(grid->cellText(rows - 1, 0), QStringLiteral("20000"));
    EXPECT_EQ(grid->currentRecordRow(), rows - 1);
    EXPECT_LE(read, rows + 4);
    EXPECT_EQ(grid->recordPosition(), 20000);
    EXPECT_EQ(grid->recordTotal(), 20000);
}

TEST_F(DataGridTest, AListAFilterRoutinePicksIsNeverReadWhole)
{
    addCustomers(5000);
    customers = open(QStringLiteral("Kunden"));
    int looked = 0;
    customers->onFilterRecord.add([&](db::Table &t) {
        ++looked;
        return t.fieldByName(QStringLiteral("Nummer")).asInteger() % 2 == 0;
    });
    customers->setFiltered(true);
    customers->first();
    source = std::make_unique<db::DataSource>(customers.get());
    grid = std::make_unique<ui::DataGrid>();
    grid->resize(300, 300);
    showActive(*grid);
    looked = 0;
    grid->setDataSource(source.get());
    settle();
    EXPECT_EQ(grid->cellText(1, 0), QStringLiteral("4"));
    grid->setFocus();
    press(Qt::Key_End, Qt::ControlModifier);
    settle();
    EXPECT_EQ(currentNumber(*customers), 5000);
    EXPECT_LT(looked, 1000);
    EXPECT_EQ(grid->recordTotal(), 0);
}

TEST_F(DataGridTest, SteppingPastTheBottomScrollsByOneRecord)
{
    showList(30);
    const int rows = grid->visibleRowCount();
    ASSERT_GT(rows, 3);
    for (int i = 1; i < rows + 2; ++i)
        customers->next();
    settle();
    EXPECT_EQ(currentNumber(*customers), rows + 2);
    EXPECT_EQ(grid->currentRecordRow(), rows - 1);
    EXPECT_EQ(grid->cellText(rows - 1, 0), QString::number(rows + 2));
    EXPECT_EQ(grid->cellText(0, 0), QStringLiteral("3"));

    grid->setFocus();
    press(Qt::Key_Up);
    settle();
    EXPECT_EQ(grid->currentRecordRow(), rows - 2);
    EXPECT_EQ(grid->recordPosition(), rows + 1);
    press(Qt::Key_Home, Qt::ControlModifier);
    settle();
    EXPECT_EQ(grid->currentRecordRow(), 0);
    EXPECT_EQ(grid->cellText(0, 0), QStringLiteral("1"));
    EXPECT_EQ(grid->recordPosition(), 1);
}

TEST_F(DataGridTest, ReadingTheRowsDisturbsNobody)
{
    showList(30);
    db::TableDef notesDef;
    notesDef.name = QStringLiteral("Notizen");
    notesDef.fields = {{QStringLiteral("Nummer"), db::FieldType::Long}, {QStringLiteral("Text"), db::FieldType::Alpha, 20}};
    notesDef.primaryKey = {QStringLiteral("Nummer")};
    database->createTable(notesDef);
    auto notes = open(QStringLiteral("Notizen"));
    notes->setMasterSource(source.get(), QStringLiteral("Nummer"), QStringLiteral("Nummer"));

    int scrolled = 0;
    int detailScrolled = 0;
    customers->afterScroll.add([&](db::Table &) { ++scrolled; });
    notes->afterScroll.add([&](db::Table &) { ++detailScrolled; });
    customers->last();
    customers->next();   // past the end: eof
    ASSERT_TRUE(customers->eof());
    scrolled = detailScrolled = 0;

    grid->refresh();
    EXPECT_EQ(scrolled, 0);
    EXPECT_EQ(detailScrolled, 0);
    EXPECT_TRUE(customers->eof());
    EXPECT_EQ(currentNumber(*customers), 30);
    customers->first();
    EXPECT_EQ(scrolled, 1) << "the scroll listeners are back";
}

TEST_F(DataGridTest, ADeletionIsCountedAtOnce)
{
    showList(30);
    settle();
    auto *scrollBar = grid->findChild<QScrollBar *>(QStringLiteral("recordScrollBar"));
    ASSERT_NE(scrollBar, nullptr);
    EXPECT_EQ(scrollBar->maximum(), 29);
    customers->remove();   // in browse state, as a delete button does
    settle();
    EXPECT_EQ(scrollBar->maximum(), 28);
    EXPECT_EQ(currentNumber(*customers), 2);
}

TEST_F(DataGridTest, EnterAndDoubleClickArePassedOn)
{
    showList(5);
    ui::Form form;
    form.setEnterMovesFocus(true);
    auto *layout = new QVBoxLayout(form.body());
    auto *edit = new QLineEdit(form.body());
    grid->setParent(form.body());
    layout->addWidget(grid.get());
    layout->addWidget(edit);
    showActive(form);
    int enters = 0;
    int doubleClicks = 0;
    QObject::connect(grid.get(), &ui::DataGrid::enterPressed, [&] { ++enters; });
    QObject::connect(grid.get(), &ui::DataGrid::recordDoubleClicked, [&] { ++doubleClicks; });
    grid->setFocus();
    click(Qt::Key_Return);
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(focused(), grid.get());

    settle();
    const QRect third = grid->visualRect(grid->model()->index(2, 1));
    QMouseEvent press(QEvent::MouseButtonPress, third.center(), grid->viewport()->mapToGlobal(third.center()),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &press);
    EXPECT_EQ(currentNumber(*customers), 3);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, third.center(), grid->viewport()->mapToGlobal(third.center()),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &doubleClick);
    EXPECT_EQ(doubleClicks, 1);
    grid->setParent(nullptr);
}

TEST_F(DataGridTest, ColumnsTitlesAndOwnerDrawnCells)
{
    showList(5);
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Kunden-Nr."));
    EXPECT_EQ(grid->columnWidth(0), 120);
    grid->setColumnTitle(1, QStringLiteral("Name des Kunden"));
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Name des Kunden"));
    // A column narrower than its title is widened until the title shows whole.
    grid->setColumnTitle(0, QStringLiteral("Nummer des Kunden im Stamm"));
    const QFontMetrics titel(grid->horizontalHeader()->font());
    EXPECT_GT(grid->columnWidth(0), titel.horizontalAdvance(QStringLiteral("Nummer des Kunden im Stamm")));

    QStringList drawn;
    grid->onDrawCell = [&](QPainter &painter, const QStyleOptionViewItem &option, const ui::GridCell &cell) {
        if (cell.column != 1)
            return false;
        drawn << cell.text + (cell.current ? QStringLiteral("*") : QString());
        painter.drawText(option.rect, cell.text.toUpper());
        return true;
    };
    grid->grab();
    EXPECT_TRUE(drawn.contains(QStringLiteral("Kunde1*")));
    EXPECT_TRUE(drawn.contains(QStringLiteral("Kunde2")));

    // Without columns of its own the grid shows every field.
    grid->setColumns({});
    EXPECT_EQ(grid->model()->columnCount(), customers->fieldCount());
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Name"));
}

TEST_F(DataGridTest, AnEditableGridWritesTheCurrentRecord)
{
    showList(5);
    EXPECT_FALSE(grid->model()->flags(grid->model()->index(0, 1)) & Qt::ItemIsEditable);
    grid->setReadOnly(false);
    EXPECT_TRUE(grid->model()->flags(grid->model()->index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_FALSE(grid->model()->flags(grid->model()->index(1, 1)) & Qt::ItemIsEditable);

    ASSERT_TRUE(grid->model()->setData(grid->model()->index(0, 1), QStringLiteral("Geändert")));
    EXPECT_EQ(customers->state(), db::DatasetState::Edit);
    grid->setFocus();
    press(Qt::Key_Down);   // moving on posts
    EXPECT_EQ(stored(QStringLiteral("Name"), 1).toString(), QStringLiteral("Geändert"));

    customers->insert();
    settle();
    EXPECT_EQ(grid->model()->headerData(grid->currentRecordRow(), Qt::Vertical).toString(), QStringLiteral("*"));
    EXPECT_EQ(grid->cellText(grid->currentRecordRow(), 1), QString());
    customers->cancel();
    settle();
    EXPECT_EQ(grid->rowCount(), 5);
}

} // namespace
