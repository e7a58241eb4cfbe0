#pragma once

#include "platform/sys/UnhandledException.h"
#include "platform/ui/Form.h"

#include <QImage>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// What the error dialog knows of one exception nobody caught.
struct FehlerInfo
{
    QString Meldung;
    QString Klasse;
    // The statement of a failed database query; empty otherwise.
    QString SqlBefehl;
    // The data store's own words behind a German message; empty otherwise.
    QString Datenbankmeldung;
    // The complete report: time, program, system, exception, where it came.
    QString BerichtText;
    // The screen as it was when the exception came.
    QImage Bildschirmfoto;

    static FehlerInfo aus(const sys::ExceptionReport &report);
};

// The error dialog "Fehler": the message, on request the details with a box
// for the user's description, the report, and the ways to send it, to
// restart or to end the program. After "OK" work goes on.
class TExceptionDlg : public ui::Form
{
    Q_OBJECT
public:
    explicit TExceptionDlg(const FehlerInfo &info, QWidget *parent = nullptr);

    bool DetailsOffen() const { return detailsOffen_; }
    QString DetailsText() const;
    // Where "Bericht Sendern" wrote the report last (empty before).
    QString BerichtDatei() const { return berichtDatei_; }

    static constexpr int HoeheKlein = 176;
    static constexpr int HoeheGross = 419;

private:
    void DetailsUmschalten();
    void BerichtSenden();

    FehlerInfo info_;
    bool detailsOffen_ = false;
    QString berichtDatei_;
    QLabel *lblMeldung_;
    QPushButton *btnDetails_;
    QPushButton *btnOK_;
    QPlainTextEdit *memDetails_;
    QList<QPushButton *> detailKnoepfe_;
};

// Shows the dialog modally for the exception.
void ShowExceptionDlg(const FehlerInfo &info);
// Every unhandled exception from now on goes to the error dialog.
void FehlerDialogEinrichten();

// The report viewer "Fehlerbericht".
class TfrmBugReport : public ui::Form
{
    Q_OBJECT
public:
    explicit TfrmBugReport(const QString &text, QWidget *parent = nullptr);
    QPlainTextEdit *Memo() const { return memo_; }

private:
    QPlainTextEdit *memo_;
};

void ShowBugReport(const QString &text);
