#pragma once

#include "common/MMTimer.h"
#include "common/Programmzustand.h"
#include "common/Pathdlg.h"

#include "platform/sys/Colors.h"
#include "platform/ui/MainForm.h"

#include <QFont>
#include <QString>

class QAction;
class QColor;
class QLabel;
class QMenu;
class QPainter;

namespace db {
class Database;
class DataSource;
class Table;
}
namespace ui {
class StatusBar;
}

// The main window. Creating it runs the start-up: data directory, data
// store, update hook, version, options, login, parameter record. When the
// start-up ends the program (cancelled choice or login, an error),
// ProgrammEndeAngefordert() is true afterwards and the window is not shown.
class TfrmMain : public ui::MainForm
{
    Q_OBJECT
public:
    explicit TfrmMain(QWidget *parent = nullptr);
    ~TfrmMain() override;

    QString GetUserName() const { return UserName; }
    int GetUserNr() const { return UserNr; }
    void SetUserName(const QString &name);
    void SetUserNr(int nummer);

    void SetFormularFont(const TFont &font);
    void SetStammdatenFont(const TFont &font);
    void SetEingabeFont(const TFont &font);
    void SetAusdruckFont(const TFont &font);

    void OptionenLesen();
    void OptionenSpeichern();
    int StammSortRead(const QString &schluessel);
    void StammSortWrite(const QString &schluessel, int wert);

    // The data-store update; true when its dialog ended with OK.
    bool RunDatabaseUpdate();

    // --- the program state under the names the forms use (Programmzustand.h)
    QString &UserName = programmzustand().UserName;
    int &UserNr = programmzustand().UserNr;
    TFont &FormularAnzeigeFont = programmzustand().FormularAnzeigeFont;
    TFont &StammdatenAnzeigeFont = programmzustand().StammdatenAnzeigeFont;
    TFont &EingabeFelderFont = programmzustand().EingabeFelderFont;
    sys::ColorValue &HinterGrundFarbe = programmzustand().HinterGrundFarbe;
    TFont &AusdruckFont = programmzustand().AusdruckFont;
    QString &Version = programmzustand().Version;
    bool &AutomatischAnmelden = programmzustand().AutomatischAnmelden;
    QString &AnmeldeNamen = programmzustand().AnmeldeNamen;
    bool &AutomatischAbmelden = programmzustand().AutomatischAbmelden;
    bool &Abgabensatz = programmzustand().Abgabensatz;
    bool &StatistischerWert = programmzustand().StatistischerWert;
    bool &RechnungsWert = programmzustand().RechnungsWert;
    QString &DatenBankPfad = programmzustand().DatenBankPfad;
    QString &ProgrammPfad = programmzustand().ProgrammPfad;
    bool &IntraUebernahme = programmzustand().IntraUebernahme;
    QString &IntraVerfahren = programmzustand().IntraVerfahren;
    bool &IntraArtUebernahme = programmzustand().IntraArtUebernahme;
    QString &IntraArt = programmzustand().IntraArt;
    QString &Zollamt1 = programmzustand().Zollamt1;
    QString &Zollamt2 = programmzustand().Zollamt2;
    QString &ZollamtAn1 = programmzustand().ZollamtAn1;
    QString &ZollamtAn2 = programmzustand().ZollamtAn2;
    QString &ZollamtNr = programmzustand().ZollamtNr;
    bool &XP_Themes = programmzustand().XP_Themes;
    bool &AEFeld33Focus = programmzustand().AEFeld33Focus;

    // --- components
    db::Database &Database1;    // "Z_Tavero": every table of the data store
    db::Database &Database2;    // "Razazu": the user's print settings
    db::Table *tbParameter;
    db::DataSource *dsParameter;
    db::Table *Table1;          // S_SPRACH
    db::DataSource *DataSource1;
    ui::StatusBar *StatusBar1;
    TMMTimer *MMTimer1;
    TPathDialog PathDialog1;

    // --- menu handlers (TfrmMain_Menus.cpp)
    void mnuBenutzerClick();
    void mnuParameterClick();
    void mnuOptionenClick();
    void mnuEndeClick();
    void mnuInfoClick();

    // --- dispatcher, menus, buttons (TfrmMain_Menus.cpp, TfrmMain_Knoepfe.cpp,
    // TfrmMain_Dispatcher.cpp)
    // The shared dispatcher: opens the form of the menu item, speed button or
    // context-menu item that sent it, or pops up its choice.
    void mnuAuftragsdatenClick(QObject *sender);
    // Enables the entries of every registered form (Formulare.h).
    void FreigabenAktualisieren();
    // The shadow of a speed button, drawn by a register's paint handler on
    // the canvas of the button's parent; other controls get none.
    static void ButtonSchatten(QPainter &canvas, const QWidget *control, const QColor &farbe, int versatz);
    void mnuFirmendatenClick();
    void mnuSprachenClick();
    void mnuUebersetzungenClick();
    QMenu *PopupMenu1 = nullptr;       // the window's context menu
    QMenu *pmPaketDienste = nullptr;   // the carrier list
    QMenu *pmPaketkarte = nullptr;     // "Inland" / "Ausland"
    QAction *mnuZahlungsauftrag = nullptr;
    QLabel *Label1 = nullptr;          // e-mail link on the picture
    QLabel *Label5 = nullptr;          // web links
    QLabel *Label6 = nullptr;

    // --- external programs, manual, links (TfrmMain_Programme.cpp)
    // Looks up the payment-order program into PelmoraPfad; whether it exists.
    bool Zahlungsauftrag();
    void mnuZahlungsauftragClick();
    void mnuReorganisationClick();
    void mnuOnlineUpdateClick();
    void mnuHandbuchClick();
    void mnuInhaltClick();
    void LinkClick(QLabel *label);

    static QString Uhrzeit(const QDateTime &zeitpunkt);
    static const QString Titel;

protected:
    bool closeQuery() override;
    void formClose() override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    bool DatenverzeichnisFinden();
    bool Anmelden();
    void FormShow();
    void MMTimer1Timer();
    void MenuesAnlegen();   // TfrmMain_Menus.cpp
    void KontextmenueAnlegen();
    void KontextmenueFreigeben();
    void KnoepfeAnlegen();
    void KnoepfeRahmen();
    // After the start-up: button frames by the options, the payment-order
    // item by whether its program is installed.
    void MenuesEinrichten();

    bool gezeigt_ = false;
};

extern TfrmMain *frmMain;
