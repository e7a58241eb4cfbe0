#include "Main.h"

#include "Benutzerordner.h"
#include "Datenmodul.h"
#include "Passwort.h"

#include "common/Ini.h"
#include "common/Tabelle_S_PARAME.h"
#include "common/Util.h"

#include "platform/db/DataSource.h"
#include "platform/db/Database.h"
#include "platform/db/Table.h"
#include "platform/sys/Files.h"
#include "platform/sys/GermanFormat.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Guard.h"
#include "platform/ui/PostErrors.h"
#include "platform/ui/StatusBar.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QScreen>

TfrmMain *frmMain = nullptr;

const QString TfrmMain::Titel = QStringLiteral("Kandrel Razazu / Versand");

TfrmMain::TfrmMain(QWidget *parent)
    : ui::MainForm(parent),
      Database1(db::Database::alias(QStringLiteral("Z_Tavero"))),
      Database2(db::Database::alias(QStringLiteral("Razazu")))
{
    frmMain = this;
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Titel);

    auto *flaeche = new QWidget(this);
    flaeche->setObjectName(QStringLiteral("Panel1"));
    QPalette weiss = flaeche->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    flaeche->setPalette(weiss);
    flaeche->setAutoFillBackground(true);
    setCentralWidget(flaeche);
    setFont(QFont(QStringLiteral("Arial"), 8));
    setEnterMovesFocus(true);

    StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    // The clock's panel takes the rest of the bar: 150 pixels do not hold a
    // long weekday and month in this font.
    StatusBar1->setPanels({450, -1});
    StatusBar1->setAutoHint(true);

    tbParameter = new db::Table(this);
    tbParameter->setObjectName(QStringLiteral("tbParameter"));
    tbParameter->setTableName(QStringLiteral("S_PARAME.DB"));
    dsParameter = new db::DataSource(tbParameter, this);
    Table1 = new db::Table(this);
    Table1->setObjectName(QStringLiteral("Table1"));
    Table1->setTableName(QStringLiteral("S_SPRACH.DB"));
    const auto nichtGespeichert = [](db::Table &, const db::DatabaseError &error) {
        ui::messageDlg(ui::postErrorText(error), ui::MessageType::Error, ui::Buttons::Ok);
        return db::PostErrorAction::Abort;
    };
    tbParameter->onPostError.add(nichtGespeichert);
    Table1->onPostError.add(nichtGespeichert);
    DataSource1 = new db::DataSource(Table1, this);

    // The clock runs from the moment the window exists; the first showing
    // only makes sure it is enabled.
    MMTimer1 = new TMMTimer(this);
    MMTimer1->setObjectName(QStringLiteral("MMTimer1"));
    MMTimer1->OnTimer = [this](QObject *, qint64) { MMTimer1Timer(); };
    MMTimer1->setInterval(1000);
    MMTimer1->setResolution(1);
    PathDialog1.Title = QStringLiteral("Pfad der Datenbanken auswählen!");

    MenuesAnlegen();
    resize(795, 460 + StatusBar1->sizeHint().height());
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    // Without a data store and a user there is nothing the clerk could do:
    // an error in the start-up is shown and ends the program.
    try {
        FormCreate();
        if (!ProgrammEndeAngefordert())
            MenuesEinrichten();
    } catch (...) {
        ui::reportCurrentException(QStringLiteral("Programmstart"));
        ProgrammBeenden();
    }
}

TfrmMain::~TfrmMain()
{
    MMTimer1->setEnabled(false);
    if (frmMain == this)
        frmMain = nullptr;
}

void TfrmMain::FormCreate()
{
    // Every start-up begins from the defaults, as a freshly started program.
    programmzustand() = Programmzustand();
    ProgrammPfad = ProgrammVerzeichnis();
    SpeedButtonsMitRahmen = IsNT5OrLater();

    if (!DatenverzeichnisFinden()) {
        ProgrammBeenden();
        return;
    }

    Database1.setPath(DatenBankPfad);
    Database1.open();

    if (const auto aenderung = sys::findFileIgnoringCase(ProgrammPfad, QStringLiteral("Aenderung.txt"))) {
        if (RunDatabaseUpdate())
            sys::removeFile(*aenderung);
    }

    quint16 major = 0, minor = 0, release = 0, build = 0;
    DateiVersionLesen(QCoreApplication::applicationFilePath(), major, minor, release, build);
    Version = QString::number(major);
    // The title goes into message boxes only: the application's name also
    // names temporary files and must stay a plain word.
    ui::setProgramTitle(Titel + QLatin1Char(' ') + Version);

    // Every date conversion of the program, grids and tables included, reads
    // two-digit years through this one window.
    sys::german::setTwoDigitYearWindow(10);
    OptionenLesen();

    if (!Anmelden()) {
        ProgrammBeenden();
        return;
    }

    tbParameter->setDatabase(Database1);
    tbParameter->open();
    S_PARAME_SatzSicherstellen(*tbParameter);
    AktuelleBelegNr = 1;
    setWindowTitle(Titel + QLatin1Char(' ') + Version);
}

bool TfrmMain::DatenverzeichnisFinden()
{
    DatenBankPfad.clear();
    IniEinlesen(QStringLiteral("DatenBankPfad"), DatenBankPfad);
    if (TPathDialog::OrdnerEnthaelt(DatenBankPfad, QStringLiteral("Rechnung.DB")))
        return true;

    PathDialog1.FileName = QStringLiteral("Rechnung.DB");
    if (!PathDialog1.Execute())
        return false;
    DatenBankPfad = sys::withoutTrailingSeparator(QDir::fromNativeSeparators(PathDialog1.Path));
    IniEintragen(QStringLiteral("DatenBankPfad"), DatenBankPfad);
    IniEintragen(QStringLiteral("ProgrammPfad"), ProgrammPfad);
    if (!QDir::setCurrent(ProgrammPfad))
        throw sys::FileSystemError(QStringLiteral("Das Programmverzeichnis %1 kann nicht aufgerufen werden.").arg(ProgrammPfad),
                             ProgrammPfad);
    return true;
}

bool TfrmMain::Anmelden()
{
    TPasswordDlg dialog(this);
    // A name nobody has must not log in somebody else: then the clerk is
    // asked as without the option.
    const bool automatisch = AutomatischAnmelden && dialog.BenutzerSuchen(AnmeldeNamen);
    if (!automatisch && dialog.showModal() != ui::ModalResult::Ok)
        return false;
    QString name;
    int nummer = 0;
    dialog.BenutzerUebernehmen(name, nummer);
    SetUserName(name);
    SetUserNr(nummer);
    return true;
}

void TfrmMain::SetUserName(const QString &name)
{
    if (name == UserName)
        return;
    UserName = name;
    update();
}

void TfrmMain::SetUserNr(int nummer)
{
    if (nummer == UserNr)
        return;
    UserNr = nummer;
    update();
}

void TfrmMain::SetFormularFont(const TFont &font)
{
    FormularAnzeigeFont = font;
}

void TfrmMain::SetStammdatenFont(const TFont &font)
{
    StammdatenAnzeigeFont = font;
}

void TfrmMain::SetEingabeFont(const TFont &font)
{
    EingabeFelderFont = font;
}

void TfrmMain::SetAusdruckFont(const TFont &font)
{
    AusdruckFont = font;
}

void TfrmMain::showEvent(QShowEvent *event)
{
    ui::MainForm::showEvent(event);
    if (gezeigt_)
        return;
    gezeigt_ = true;
    ui::guard([this] { FormShow(); }, QStringLiteral("Programmstart"));
}

void TfrmMain::FormShow()
{
    const QString ordner = BenutzerOrdner(UserNr);
    BenutzerEinstellungenSicherstellen(ordner, Database1);
    Database2.setPath(ordner);
    Database2.open();
    StatusBar1->setPanelText(1, Uhrzeit(QDateTime::currentDateTime()));
    MMTimer1->setEnabled(true);
    if (!tbParameter->isOpen())
        tbParameter->open();
}

QString TfrmMain::Uhrzeit(const QDateTime &zeitpunkt)
{
    return sys::german::formatPattern(QStringLiteral("dddd 'den' dd. mmmm yyyy, hh:nn:ss"), zeitpunkt);
}

void TfrmMain::MMTimer1Timer()
{
    StatusBar1->setPanelText(1, Uhrzeit(QDateTime::currentDateTime()));
}

bool TfrmMain::closeQuery()
{
    if (AutomatischAbmelden)
        return true;
    return ui::messageDlg(QStringLiteral("Möchten Sie das Programm wirklich beenden ?"), ui::MessageType::Confirmation,
                          ui::Buttons::YesNo) == ui::ModalResult::Yes;
}

void TfrmMain::formClose()
{
    OptionenSpeichern();
    DatenmodulFreigeben();
    MMTimer1->setEnabled(false);
}
