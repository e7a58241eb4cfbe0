#include "Main.h"

#include "TfrmMain_Eintraege.h"

#include "common/Formhelfer.h"
#include "common/Hersteller.h"
#include "common/ShellFehler.h"
#include "common/Util.h"

#include "platform/ui/Guard.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/StatusBar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <optional>

namespace {

enum class Gruppe { Versand, Razazu, Import };

enum class Art {
    Oeffnen,
    Paketkarte,     // pops up "Inland" / "Ausland"
    Paketdienste,   // pops up the carrier list
    Unsichtbar,     // hidden, still opens its form
    Gesperrt,       // disabled, no action
    Versteckt,      // hidden and disabled, no action
};

// Status text: what panel 0 shows while the mouse is over the button.
struct Knopf
{
    const char *name;
    const char *caption;
    const char *tooltip;
    const char *status;   // nullptr: none
    Gruppe gruppe;
    std::optional<Formular> ziel;
    Art art = Art::Oeffnen;
};

const Knopf knoepfe[] = {
    {"SpeedButton1", "Auftragsdaten", "Auftragsdaten erfassen", "Auftrags-Daten", Gruppe::Versand,
     Formular::Auftragsdaten},
    {"SpeedButton19", "Logistik-Daten", "Logistik-Daten erfassen", "Zentrale Datenerfassung", Gruppe::Versand,
     Formular::Logistik},
    {"SpeedButton3", "CMR-Frachtbrief", "CMR-Frachtbrief erfassen", "Cmr - FrachtBrief", Gruppe::Versand,
     Formular::CMR},
    {"SpeedButton2", "Speditionsauftrag", "Versandauftrag erfassen", "Speditionsauftrag", Gruppe::Versand,
     Formular::Speditionsauftrag},
    {"SpeedButton16", "Packliste", "Packliste erfassen", "Packliste", Gruppe::Versand, Formular::Packliste},
    {"SpeedButton9", "Paketkarte", "Paketkarte erfassen", "Paketkarte", Gruppe::Versand, std::nullopt,
     Art::Paketkarte},
    {"SpeedButton17", "Paket-Dienste", "Paket-Dienste erfassen", "Paket-Díenste", Gruppe::Versand, std::nullopt,
     Art::Paketdienste},
    {"SpeedButton18", "IMO - Erklärung", "IMO - Erklärung erfassen", "IMO - Erklärung", Gruppe::Versand,
     Formular::IMO},
    {"SpeedButton23", "Shipper`s ", "Shipper´s Declaration erfassen", "Shipper´s declaration", Gruppe::Versand,
     Formular::Shippers},
    {"SpeedButton15", "Lieferschein", "Lieferschein erfassen", "Lieferschein", Gruppe::Versand,
     Formular::Lieferschein},
    {"SpeedButton29", "Langzeitlieferantenerklärung", "Langzeitlieferantenerklärung erfassen",
     "Langzeitlieferantenerklärung", Gruppe::Versand, Formular::Langzeitlieferantenerklaerung},
    {"SpeedButton30", "Güterfrachtverkehr", "Güterfrachtverkehr erfassen", "Güterfrachtverkehr", Gruppe::Versand,
     std::nullopt, Art::Gesperrt},
    {"SpeedButton24", "Transportauftrag", "Transportauftrag erfassen", "Transportauftrag", Gruppe::Versand,
     std::nullopt, Art::Versteckt},

    {"LbSpeedButton5", "Atlas Ausfuhr", "Einheitspapier Razazu erfassen", "Ausfuhrmeldung für Atlas erfassen",
     Gruppe::Razazu, Formular::Atlas},
    {"SpeedButton4", "Ausfuhranmeldung", "Einheitspapier Razazu erfassen", "Ausfuhranmelung - (0733 und 0734)",
     Gruppe::Razazu, Formular::Ausfuhranmeldung},
    {"SpeedButton5", "Intrastat", "Intrastat erfassen", "Intrastat (Eingang und Versand)", Gruppe::Razazu,
     Formular::Intrastat},
    {"SpeedButton6", "EUR. 1", "EUR. 1 erfassen", "EUR 1", Gruppe::Razazu, Formular::EUR1},
    {"SpeedButton7", "EUR. 2", "EUR. 2 erfassen", "EUR 2", Gruppe::Razazu, Formular::EUR2, Art::Unsichtbar},
    {"LbSpeedButton3", "EUR - MED", "EUR-MED erfassen", "EUR - MED", Gruppe::Razazu, Formular::EurMed},
    {"SpeedButton8", "Ursprungszeugnis", "Ursprungszeugnis erfassen", "Ursprungszeugnis", Gruppe::Razazu,
     Formular::Ursprungszeugnis},
    {"SpeedButton12", "A.TR.", "A. TR. erfassen", "A. TR.", Gruppe::Razazu, Formular::ATR},
    {"SpeedButton13", "A.T.A. Carnet", "A.T.A. Carnet erfassen", "A.T.A. - Carnet", Gruppe::Razazu, Formular::ATA},
    {"SpeedButton20", "Versandanmeldung", "Einheitspapier T1, T2 erfassen",
     "Versandanmeldung T1 / T2 - (0769 und 0770) / (0735 und 0736)", Gruppe::Razazu, Formular::Versandanmeldung},
    {"SpeedButtonEinheitZusatz", "Zusatzblatt Einheitspapier ", "Zusatzblatt zum Einheitspapier erfassen",
     "Zusatzblatt zum Einheitspapier", Gruppe::Razazu, Formular::EinheitZusatz},
    {"LbSpeedButton2", "Einheitspapier T2L", "Einheitspapier T2L erfassen", "Einheitspapier T2L", Gruppe::Razazu,
     Formular::T2L},
    {"SpeedButton21", "Abmeldung aktiven Veredelung", "Abmeldung aus der aktiven Veredelung erfassen",
     "Abmeldung aus der aktiven Veredelung", Gruppe::Razazu, Formular::Abmeldung},
    {"SpeedButton25", "Einheitspapier T5", "Einheitspapier T5 erfassen", "T5", Gruppe::Razazu, Formular::T5},
    {"LbSpeedButton1", "Gestellung Ausfuhrsendung", "Gestellung Ausfuhrsendung erfassen", nullptr, Gruppe::Razazu,
     Formular::GestellungAusfuhr},

    {"SpeedButton11", "Einfuhranmeldung", "Einheitspapier Import erfassen", "Einfuhranmelung - (0737 und 0738)",
     Gruppe::Import, Formular::Einfuhranmeldung},
    {"SpeedButton14", "Zoll - Anmeldung", "Zollanmeldung erfassen", "Ergänzende Zollanmelung - (0514, 0512 / 0516)",
     Gruppe::Import, Formular::Anmeldung0512_0514},
    {"SpeedButton22", "DV 1", "DV 1 erfassen", "DV. 1 - (0464 und 0465)", Gruppe::Import, Formular::DV1},
    {"SpeedButton10", "Stat. Anmeldung", "Statistische Zoll-Anmeldung  erfassen",
     "Zusammenfassende-, Statistische Anmeldung - (0415 / 0416)", Gruppe::Import, Formular::Anmeldung0415},
    {"SpeedButton26", "Sum. Anmeldung", "Summarische Anmeldung erfassen", "Summarische Anmeldung", Gruppe::Import,
     Formular::SumAnmeldung},
    {"SpeedButton27", "Rückwareneigenschaft", "Angaben zum Nachweis der Rückwareneigenschaft erfassen",
     "Angaben zum Nachweis der Rückwareneigenschaft", Gruppe::Import, Formular::Rueckwareneigenschaft},
    {"SpeedButton28", "Anschreibeverfahren", "Anschreibungsmitteilung beim Anschreibeverfahren erfassen",
     "Anschreibungsmitteilung beim anschreibverfahren", Gruppe::Import, Formular::Anschreibeverfahren},
    {"LbSpeedButton4", "Begl. Verwaltungsdokument", "Begleitendes Verwaltungsdokument",
     "Begleitendes Verwaltungsdokument", Gruppe::Import, Formular::BVD},
};

struct Spalte
{
    Gruppe gruppe;
    const char *label;
    const char *caption;
    int breite;
};

const Spalte spalten[] = {
    {Gruppe::Versand, "Label2", "Versand", 172},
    {Gruppe::Razazu, "Label3", "Razazu", 186},
    {Gruppe::Import, "Label4", "Import", 186},
};

constexpr int knopfHoehe = 21;
constexpr QSize bildGroesse(200, 375);

// The web addresses of the picture panel; the second is the maker's site
// about its customs software.
const QString webseiteZoll = QStringLiteral("www.kandrel-zollsoftware.de");

QString webadresse(const QString &internet)
{
    QString adresse = internet;
    adresse.remove(QStringLiteral("https://"));
    adresse.remove(QStringLiteral("http://"));
    return adresse;
}

// Where the e-mail address stands on the picture; Label1 lies over it.
const QRect emailFeld(10, 300, 180, 16);

QPixmap bild()
{
    QPixmap pixmap(bildGroesse);
    QPainter painter(&pixmap);
    QLinearGradient verlauf(0, 0, 0, bildGroesse.height());
    verlauf.setColorAt(0, QColor(0, 51, 102));
    verlauf.setColorAt(1, QColor(0, 102, 153));
    painter.fillRect(pixmap.rect(), verlauf);
    painter.setPen(Qt::white);
    QFont titel(QStringLiteral("Arial"), 16, QFont::Bold);
    painter.setFont(titel);
    painter.drawText(QRect(10, 30, 180, 80), Qt::AlignCenter | Qt::TextWordWrap, QStringLiteral("Kandrel Razazu"));
    painter.setFont(QFont(QStringLiteral("Arial"), 11));
    painter.drawText(QRect(10, 100, 180, 30), Qt::AlignCenter, QStringLiteral("Versand"));
    painter.setFont(QFont(QStringLiteral("Arial"), 8));
    painter.drawText(emailFeld, Qt::AlignCenter, hersteller::EMail);
    return pixmap;
}

QLabel *linkLabel(QWidget *parent, const QString &name, const QString &caption, const QRect &feld)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(QFont(QStringLiteral("Arial"), 8));
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
    label->setGeometry(feld);
    return label;
}

void unterstreichen(QLabel *label, bool an)
{
    QFont font = label->font();
    font.setUnderline(an);
    label->setFont(font);
}

} // namespace

void TfrmMain::KnoepfeAnlegen()
{
    QWidget *flaeche = centralWidget();
    auto *zeile = new QHBoxLayout(flaeche);
    zeile->setContentsMargins(0, 0, 12, 12);
    zeile->setSpacing(16);

    auto *bildPanel = new QWidget(flaeche);
    bildPanel->setObjectName(QStringLiteral("pnlBild"));
    bildPanel->setFixedSize(bildGroesse);
    auto *Image1 = new QLabel(bildPanel);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(bild());
    Image1->setGeometry(QRect(QPoint(0, 0), bildGroesse));
    // A caption of blanks: the click area over the address on the picture.
    Label1 = linkLabel(bildPanel, QStringLiteral("Label1"), QString(40, QLatin1Char(' ')), emailFeld);
    Label5 = linkLabel(bildPanel, QStringLiteral("Label5"), webadresse(hersteller::Internet), QRect(10, 325, 180, 16));
    Label6 = linkLabel(bildPanel, QStringLiteral("Label6"), webseiteZoll, QRect(10, 345, 180, 16));
    for (QLabel *label : {Label1, Label5, Label6})
        label->installEventFilter(this);
    zeile->addWidget(bildPanel, 0, Qt::AlignTop);

    for (const Spalte &spalte : spalten) {
        auto *knopfSpalte = new QVBoxLayout;
        knopfSpalte->setSpacing(2);
        auto *ueberschrift = new QLabel(QString::fromUtf8(spalte.caption), flaeche);
        ueberschrift->setObjectName(QString::fromLatin1(spalte.label));
        ueberschrift->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
        ueberschrift->setContentsMargins(0, 12, 0, 4);
        knopfSpalte->addWidget(ueberschrift);
        for (const Knopf &k : knoepfe) {
            if (k.gruppe != spalte.gruppe)
                continue;
            auto *knopf = new ui::SpeedButton(QString::fromLatin1(k.name), QString::fromUtf8(k.caption), flaeche);
            knopf->setFixedSize(spalte.breite, knopfHoehe);
            knopf->setToolTip(QString::fromUtf8(k.tooltip));
            if (k.status)
                knopf->setStatusTip(QString::fromUtf8(k.status));
            knopfSpalte->addWidget(knopf);
            switch (k.art) {
            case Art::Versteckt:
                knopf->hide();
                [[fallthrough]];
            case Art::Gesperrt:
                knopf->setEnabled(false);
                continue;
            case Art::Unsichtbar:
                knopf->hide();
                break;
            case Art::Paketkarte:
                eintraege::setAuswahl(knopf, pmPaketkarte);
                break;
            case Art::Paketdienste:
                eintraege::setAuswahl(knopf, pmPaketDienste);
                break;
            case Art::Oeffnen:
                break;
            }
            if (k.ziel)
                eintraege::setFormular(knopf, *k.ziel);
            connect(knopf, &QAbstractButton::clicked, this,
                    ui::guarded([this, knopf] { mnuAuftragsdatenClick(knopf); }));
        }
        knopfSpalte->addStretch();
        zeile->addLayout(knopfSpalte);
    }
    zeile->addStretch();
}

void TfrmMain::KnoepfeRahmen()
{
    const bool rahmen = SpeedButtonsMitRahmen && XP_Themes;
    for (ui::SpeedButton *knopf : centralWidget()->findChildren<ui::SpeedButton *>())
        knopf->setFlat(!rahmen);
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    // A pop-up menu is a window of its own: the hints of its items stop
    // there unless they are handed on.
    if (event->type() == QEvent::StatusTip && qobject_cast<QMenu *>(watched)) {
        showAutomaticHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    auto *label = qobject_cast<QLabel *>(watched);
    if (!label || (label != Label1 && label != Label5 && label != Label6))
        return ui::MainForm::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Enter:
        unterstreichen(label, true);
        StatusBar1->setPanelText(0, label == Label1
                                        ? QStringLiteral("E-Mail an ") + hersteller::EMail
                                        : QStringLiteral("auf die Internetseite \"%1\" gehen").arg(label->text()));
        break;
    case QEvent::Leave:
        unterstreichen(label, false);
        StatusBar1->setPanelText(0, QString());
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            break;
        ui::guard([this, label] { LinkClick(label); }, label->objectName());
        return true;
    default:
        break;
    }
    return ui::MainForm::eventFilter(watched, event);
}

void TfrmMain::LinkClick(QLabel *label)
{
    const QString ziel = label == Label1 ? QStringLiteral("Mailto:") + hersteller::EMail : label->text();
    ShellOeffnen(ziel, ProgrammPfad);
}

void TfrmMain::ButtonSchatten(QPainter &canvas, const QWidget *control, const QColor &farbe, int versatz)
{
    // The registers paint through the shared helper; one drawing for both.
    ::ButtonSchatten(canvas, control, farbe, versatz);
}
