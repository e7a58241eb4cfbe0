#pragma once

#include "platform/db/Event.h"
#include "platform/ui/Form.h"

class QLabel;
class TSR_dbGrid;

namespace db {
class DataSource;
class Table;
}
namespace ui {
class DataComboBox;
class DataEdit;
class SpeedButton;
}

// The users form "Benutzerverwaltung". The administrator ("Systemverwalter")
// adds, edits and deletes users; anybody else may change only his own entry.
// Every new user gets a number and his own folder with a copy of the print
// settings. There is at most one administrator when the form closes; when
// it opens and there is none, one is created.
class TfrmBenutzer : public ui::Form
{
    Q_OBJECT
public:
    // loggedInUser: the short name of the user working now.
    explicit TfrmBenutzer(const QString &loggedInUser, QWidget *parent = nullptr);
    ~TfrmBenutzer() override;

    // A record was posted while the form was open.
    bool GeaenderteDaten() const { return gespeichert_; }

    db::Table *tbBenutzer;
    db::DataSource *dsBenutzer;
    TSR_dbGrid *DBGrid1;
    ui::DataEdit *DBEdit1;   // Kurzname
    ui::DataEdit *DBEdit2;   // Name
    ui::DataEdit *DBEdit3;   // Vorname
    ui::DataEdit *DBEdit4;   // Telefon
    ui::DataEdit *DBEdit5;   // UnserZeichen
    ui::DataEdit *DBEdit6;   // Passwort
    ui::DataComboBox *DBComboBox1;   // Funktion
    ui::SpeedButton *sbErster;
    ui::SpeedButton *sbVorheriger;
    ui::SpeedButton *sbNaechster;
    ui::SpeedButton *sbLetzter;
    ui::SpeedButton *sbHinzufuegen;
    ui::SpeedButton *sbLoeschen;
    ui::SpeedButton *sbBearbeiten;
    ui::SpeedButton *sbSuche;
    ui::SpeedButton *sbSchliessen;

protected:
    bool closeQuery() override;

private:
    void FormShow(const QString &loggedInUser);
    int Systemverwalter();
    int HoechsteUserNr();
    void NeuerBenutzer();
    void NavigationAnpassen();
    void Hinzufuegen();
    void Bearbeiten();
    void Loeschen();
    void Suchen();

    bool gespeichert_ = false;
    bool alleLoeschen_ = false;
    int neueUserNr_ = 0;
    db::Subscription navigation_;
};

// The menu item "&Benutzer": the form, modally; afterwards the reminder that
// changes need a new start.
void BenutzerVerwalten(const QString &loggedInUser, QWidget *parent = nullptr);
