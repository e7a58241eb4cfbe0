#include "ExceptionDlg.h"

#include "Hersteller.h"
#include "Util.h"

#include "platform/db/DatabaseError.h"
#include "platform/sys/Files.h"
#include "platform/sys/GermanFormat.h"
#include "platform/sys/Process.h"
#include "platform/sys/ProgramVersion.h"
#include "platform/sys/TextFile.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Guard.h"

#include <QApplication>
#include <QBuffer>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QSysInfo>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString programmTitel()
{
    return QStringLiteral("Kandrel Razazu / Versand %1").arg(sys::programVersion().text());
}

QImage bildschirmfoto()
{
    QImage bild;
    if (QScreen *screen = QGuiApplication::primaryScreen())
        bild = screen->grabWindow(0).toImage();
    // Platforms without a screen to grab still have the window the clerk
    // worked in.
    if (bild.isNull() || bild.allGray()) {
        if (QWidget *fenster = QApplication::activeWindow())
            bild = fenster->grab().toImage();
    }
    return bild;
}

// The statement and the store's own words of a data store error.
std::pair<QString, QString> datenbankAngaben(std::exception_ptr exception)
{
    if (!exception)
        return {};
    try {
        std::rethrow_exception(exception);
    } catch (const db::DatabaseError &error) {
        return {error.statement(), error.details()};
    } catch (...) {
    }
    return {};
}

} // namespace

FehlerInfo FehlerInfo::aus(const sys::ExceptionReport &report)
{
    FehlerInfo info;
    info.Meldung = report.message;
    info.Klasse = report.className;
    std::tie(info.SqlBefehl, info.Datenbankmeldung) = datenbankAngaben(report.exception);
    info.Bildschirmfoto = bildschirmfoto();

    QStringList zeilen;
    zeilen << QStringLiteral("Fehlerbericht")
           << QStringLiteral("Programm: %1").arg(programmTitel())
           << QStringLiteral("Zeitpunkt: %1").arg(sys::german::formatDateTime(QDateTime::currentDateTime()))
           << QStringLiteral("System: %1, Qt %2").arg(QSysInfo::prettyProductName(), QString::fromLatin1(qVersion()))
           << QStringLiteral("Programmordner: %1").arg(ProgrammVerzeichnis())
           << QStringLiteral("Fehlertyp: %1").arg(info.Klasse)
           << QStringLiteral("Fehlermeldung: %1").arg(info.Meldung);
    if (!info.Datenbankmeldung.isEmpty())
        zeilen << QStringLiteral("Meldung der Datenbank: %1").arg(info.Datenbankmeldung);
    if (!info.SqlBefehl.isEmpty())
        zeilen << QStringLiteral("Sql-Befehl: %1").arg(info.SqlBefehl);
    if (!report.context.isEmpty())
        zeilen << QStringLiteral("Aufgetreten in: %1").arg(report.context);
    info.BerichtText = zeilen.join(QLatin1Char('\n'));
    return info;
}

TExceptionDlg::TExceptionDlg(const FehlerInfo &info, QWidget *parent) : ui::Form(parent), info_(info)
{
    setObjectName(QStringLiteral("ExceptionDlg"));
    setWindowTitle(QStringLiteral("Fehler"));

    auto *bild = new QLabel(body());
    bild->setObjectName(QStringLiteral("Image1"));
    bild->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(48, 48));
    bild->setAlignment(Qt::AlignTop);
    lblMeldung_ = new QLabel(info.Meldung, body());
    lblMeldung_->setObjectName(QStringLiteral("lblMeldung"));
    lblMeldung_->setWordWrap(true);
    lblMeldung_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMeldung_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    btnDetails_ = new QPushButton(QStringLiteral("Details >"), body());
    btnDetails_->setObjectName(QStringLiteral("btnDetails"));
    btnOK_ = new QPushButton(QStringLiteral("OK"), body());
    btnOK_->setObjectName(QStringLiteral("btnOK"));

    memDetails_ = new QPlainTextEdit(body());
    memDetails_->setObjectName(QStringLiteral("memDetails"));
    memDetails_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QStringList details;
    details << QStringLiteral("In der Anwendung ist ein Fehler des Typs %1 aufgetreten.").arg(info.Klasse)
            << QStringLiteral("Fehlermeldung: %1").arg(info.Meldung);
    if (!info.Datenbankmeldung.isEmpty())
        details << QStringLiteral("Meldung der Datenbank: %1").arg(info.Datenbankmeldung);
    if (!info.SqlBefehl.isEmpty())
        details << QStringLiteral("Sql-Befehl: %1").arg(info.SqlBefehl);
    details << QString(77, QLatin1Char('-'))
            << QStringLiteral("Bitte beschreiben Sie in welcher Situation dieser Fehler auftratt:")
            << QString()
            << QString(50, QLatin1Char('-'))
            << QStringLiteral("Ihren Komentar können Sie hier eingeben:");
    memDetails_->setPlainText(details.join(QLatin1Char('\n')));

    auto *btnAnzeigen = new QPushButton(QStringLiteral("Bericht anzeigen"), body());
    btnAnzeigen->setObjectName(QStringLiteral("btnBerichtAnzeigen"));
    auto *btnSenden = new QPushButton(QStringLiteral("Bericht Sendern"), body());
    btnSenden->setObjectName(QStringLiteral("btnBerichtSenden"));
    auto *btnBeenden = new QPushButton(QStringLiteral("Programm Beenden"), body());
    btnBeenden->setObjectName(QStringLiteral("btnProgrammBeenden"));
    auto *btnNeustarten = new QPushButton(QStringLiteral("Programm Neustarten"), body());
    btnNeustarten->setObjectName(QStringLiteral("btnProgrammNeustarten"));
    detailKnoepfe_ = {btnAnzeigen, btnSenden, btnBeenden, btnNeustarten};
    for (QPushButton *knopf : {btnDetails_, btnOK_, btnAnzeigen, btnSenden, btnBeenden, btnNeustarten})
        knopf->setAutoDefault(false);

    auto *oben = new QHBoxLayout;
    oben->addWidget(bild);
    oben->addWidget(lblMeldung_, 1);
    auto *mitte = new QHBoxLayout;
    mitte->addWidget(btnDetails_);
    mitte->addStretch();
    mitte->addWidget(btnOK_);
    auto *unten = new QHBoxLayout;
    for (QPushButton *knopf : std::as_const(detailKnoepfe_))
        unten->addWidget(knopf);
    auto *layout = new QVBoxLayout(body());
    layout->addLayout(oben, 1);
    layout->addLayout(mitte);
    layout->addWidget(memDetails_, 3);
    layout->addLayout(unten);

    memDetails_->hide();
    for (QPushButton *knopf : std::as_const(detailKnoepfe_))
        knopf->hide();
    setFixedSize(520, HoeheKlein);

    // Enter and Esc anywhere close as OK; in the details box Enter starts a
    // new line of the user's description.
    setDefaultButton(btnOK_);
    setCancelButton(btnOK_);
    setButtonResult(btnOK_, ui::ModalResult::Ok);
    btnOK_->setFocus();

    connect(btnDetails_, &QPushButton::clicked, this, ui::guarded([this] { DetailsUmschalten(); }));
    connect(btnAnzeigen, &QPushButton::clicked, this, ui::guarded([this] { ShowBugReport(info_.BerichtText); }));
    connect(btnSenden, &QPushButton::clicked, this, ui::guarded([this] { BerichtSenden(); }));
    connect(btnBeenden, &QPushButton::clicked, this, ui::guarded([this] {
        ProgrammBeenden();
        setModalResult(ui::ModalResult::Cancel);
    }));
    connect(btnNeustarten, &QPushButton::clicked, this, ui::guarded([this] {
        ProgrammNeustarten();
        setModalResult(ui::ModalResult::Cancel);
    }));
}

QString TExceptionDlg::DetailsText() const
{
    return memDetails_->toPlainText();
}

void TExceptionDlg::DetailsUmschalten()
{
    detailsOffen_ = !detailsOffen_;
    memDetails_->setVisible(detailsOffen_);
    for (QPushButton *knopf : std::as_const(detailKnoepfe_))
        knopf->setVisible(detailsOffen_);
    btnDetails_->setText(detailsOffen_ ? QStringLiteral("< Details") : QStringLiteral("Details >"));
    setFixedSize(width(), detailsOffen_ ? HoeheGross : HoeheKlein);
}

void TExceptionDlg::BerichtSenden()
{
    // The report goes out as a file beside a prepared mail: a mail link
    // cannot carry attachments, so the mail names the files to attach.
    const QString ordner = ProgrammVerzeichnis() + QStringLiteral("Fehlerberichte");
    sys::ensureFolder(ordner);
    const QString name = QStringLiteral("Fehlerbericht_%1")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_hhmmss")));
    const QString textDatei = sys::joinPath(ordner, name + QStringLiteral(".txt"));
    const QString details = DetailsText();
    sys::writeTextFile(textDatei, details + QStringLiteral("\n\n") + info_.BerichtText + QLatin1Char('\n'),
                       sys::CodePage::Utf8);
    QStringList dateien{textDatei};
    if (!info_.Bildschirmfoto.isNull()) {
        QByteArray png;
        QBuffer puffer(&png);
        puffer.open(QIODevice::WriteOnly);
        info_.Bildschirmfoto.save(&puffer, "PNG");
        const QString bildDatei = sys::joinPath(ordner, name + QStringLiteral(".png"));
        sys::writeFileBytes(bildDatei, png);
        dateien << bildDatei;
    }
    berichtDatei_ = textDatei;

    const QString betreff = QStringLiteral("Fehlerbericht %1").arg(programmTitel());
    const QString text = details + QStringLiteral("\n\nBitte hängen Sie diese Dateien an:\n") + dateien.join(QLatin1Char('\n'));
    const QString link = QStringLiteral("mailto:%1?subject=%2&body=%3")
                             .arg(hersteller::EMail, QString::fromLatin1(QUrl::toPercentEncoding(betreff)),
                                  QString::fromLatin1(QUrl::toPercentEncoding(text)));
    if (sys::shellOpen(link, ProgrammVerzeichnis()) != sys::ShellResult::Ok)
        ui::showError(QStringLiteral("Das E-Mail-Programm konnte nicht geöffnet werden.\n"
                                     "Der Fehlerbericht wurde gespeichert:\n%1")
                          .arg(dateien.join(QLatin1Char('\n'))));
}

void ShowExceptionDlg(const FehlerInfo &info)
{
    TExceptionDlg dialog(info, QApplication::activeWindow());
    dialog.showModal();
}

void FehlerDialogEinrichten()
{
    sys::setExceptionHandler([](const sys::ExceptionReport &report) { ShowExceptionDlg(FehlerInfo::aus(report)); });
}

TfrmBugReport::TfrmBugReport(const QString &text, QWidget *parent) : ui::Form(parent)
{
    setObjectName(QStringLiteral("frmBugReport"));
    setWindowTitle(QStringLiteral("Fehlerbericht"));
    memo_ = new QPlainTextEdit(body());
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setPlainText(text);
    auto *ok = new QPushButton(QStringLiteral("OK"), body());
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setAutoDefault(false);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(ok);
    auto *layout = new QVBoxLayout(body());
    layout->addWidget(memo_, 1);
    layout->addLayout(knoepfe);
    resize(600, 400);

    setDefaultButton(ok);
    setCancelButton(ok);
    setButtonResult(ok, ui::ModalResult::Ok);
    onKeyPress = [this](QKeyEvent *event) {
        if (event->matches(QKeySequence::SelectAll)) {
            memo_->selectAll();
            return true;
        }
        return false;
    };
}

void ShowBugReport(const QString &text)
{
    TfrmBugReport bericht(text, QApplication::activeWindow());
    bericht.showModal();
}
