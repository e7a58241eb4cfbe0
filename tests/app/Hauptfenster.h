#pragma once

// A started main window (installation, automatic login) and a register of
// our own that the tests register for a family.

#include "StartUmgebung.h"

#include "app/Formulare.h"
#include "app/Main.h"

#include "platform/ui/Form.h"
#include "platform/ui/StatusBar.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QTimer>
#include <memory>

// Counts its instances and notes what the clerk would have seen: the cursor
// while it was created, and the cursor and the main window's hints while it
// was shown. It closes itself as soon as it is shown.
class TestRegister : public ui::Form
{
    Q_OBJECT
public:
    explicit TestRegister(QWidget *parent = nullptr) : ui::Form(parent)
    {
        ++lebend;
        ++erzeugt;
        sanduhrBeimErzeugen = QApplication::overrideCursor()
            && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    }
    ~TestRegister() override { --lebend; }

    static void zuruecksetzen()
    {
        lebend = erzeugt = gezeigt = 0;
        sanduhrBeimErzeugen = sanduhrBeimZeigen = hinweiseBeimZeigen = false;
    }

    static inline int lebend = 0;
    static inline int erzeugt = 0;
    static inline int gezeigt = 0;
    static inline bool sanduhrBeimErzeugen = false;
    static inline bool sanduhrBeimZeigen = false;
    static inline bool hinweiseBeimZeigen = false;

protected:
    void showEvent(QShowEvent *event) override
    {
        ui::Form::showEvent(event);
        ++gezeigt;
        sanduhrBeimZeigen = QApplication::overrideCursor() != nullptr;
        ui::StatusBar *bar = ui::StatusBar::applicationHintBar();
        hinweiseBeimZeigen = bar && bar->autoHint();
        QTimer::singleShot(0, this, [this] { setModalResult(ui::ModalResult::Ok); });
    }
};

// Registers test forms for the test's duration only.
class Anmeldungen
{
public:
    ~Anmeldungen()
    {
        for (Formular formular : formulare_)
            FormularAbmelden(formular);
    }
    void anmelden(Formular formular, FormularFabrik fabrik = erzeugen<TestRegister>)
    {
        FormularAnmelden(formular, std::move(fabrik));
        formulare_.push_back(formular);
    }

private:
    std::vector<Formular> formulare_;
};

class Hauptfenster : public StartUmgebung
{
protected:
    void SetUp() override
    {
        StartUmgebung::SetUp();
        TestRegister::zuruecksetzen();
        einrichten();
        automatischAnmelden(QStringLiteral("Systemverwalter"));
    }

    std::unique_ptr<TfrmMain> starten()
    {
        auto main = std::make_unique<TfrmMain>();
        EXPECT_FALSE(ProgrammEndeAngefordert());
        return main;
    }

    // Started and shown, its context menu opened once, which sets the
    // states of its entries.
    std::unique_ptr<TfrmMain> gezeigt()
    {
        auto main = starten();
        main->show();
        main->PopupMenu1->popup(QPoint(10, 10));
        main->PopupMenu1->hide();
        return main;
    }

    static QAction *punkt(const TfrmMain &main, const QString &name)
    {
        auto *action = main.findChild<QAction *>(name);
        EXPECT_NE(action, nullptr) << name.toStdString();
        return action;
    }

    Anmeldungen anmeldungen;
};
