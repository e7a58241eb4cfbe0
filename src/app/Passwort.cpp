#include "Passwort.h"

#include "common/Programmzustand.h"

#include "platform/db/DataSource.h"
#include "platform/db/Database.h"
#include "platform/db/Table.h"
#include "platform/ui/Appearance.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Guard.h"
#include "platform/ui/SpeedButton.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QString grossAscii(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return result;
}

} // namespace

TPasswordDlg::TPasswordDlg(QWidget *parent) : ui::Form(parent)
{
    setObjectName(QStringLiteral("PasswordDlg"));
    setWindowTitle(QStringLiteral("Zugangsberechtigung"));

    Label1 = new QLabel(QStringLiteral("Benutzer:"), body());
    Label1->setObjectName(QStringLiteral("Label1"));
    cbbxBenutzer = new QComboBox(body());
    cbbxBenutzer->setObjectName(QStringLiteral("cbbxBenutzer"));
    cbbxBenutzer->setEditable(false);
    Label1->setBuddy(cbbxBenutzer);
    Label2 = new QLabel(QStringLiteral("Paßwort:"), body());
    Label2->setObjectName(QStringLiteral("Label2"));
    Password = new QLineEdit(body());
    Password->setObjectName(QStringLiteral("Password"));
    Password->setEchoMode(QLineEdit::Password);
    Password->setMaxLength(20);
    Label2->setBuddy(Password);
    SpeedButton1 = new ui::SpeedButton(QStringLiteral("SpeedButton1"), QStringLiteral("OK"), body());
    SpeedButton1->setMinimumWidth(80);
    SpeedButton1->setFlat(!(Erscheinungsbild().framedSpeedButtons));

    auto *layout = new QGridLayout(body());
    layout->addWidget(Label1, 0, 0);
    layout->addWidget(cbbxBenutzer, 0, 1);
    layout->addWidget(Label2, 1, 0);
    layout->addWidget(Password, 1, 1);
    layout->addWidget(SpeedButton1, 2, 1, Qt::AlignRight);
    resize(300, 120);

    tbBenutzer = new db::Table(db::Database::alias(QStringLiteral("Z_Tavero")), QStringLiteral("S_BEARB.DB"), this);
    tbBenutzer->setObjectName(QStringLiteral("tbBenutzer"));
    dsBenutzer = new db::DataSource(tbBenutzer, this);
    tbBenutzer->open();

    // Enter is OK; Esc ends the login.
    setDefaultButton(SpeedButton1);
    setEscapeCloses(true);
    connect(SpeedButton1, &QAbstractButton::clicked, this, ui::guarded([this] { SpeedButton1Click(); }));
}

void TPasswordDlg::SetVersuche(int versuche)
{
    if (versuche == Versuche)
        return;
    Versuche = versuche;
    update();
}

bool TPasswordDlg::BenutzerSuchen(const QString &kurzname)
{
    tbBenutzer->first();
    if (kurzname.isEmpty())
        return false;
    return tbBenutzer->findKey({kurzname});
}

void TPasswordDlg::BenutzerUebernehmen(QString &kurzname, int &userNr) const
{
    if (tbBenutzer->isEmpty()) {
        kurzname.clear();
        userNr = 0;
        return;
    }
    kurzname = tbBenutzer->fieldByName(QStringLiteral("Kurzname")).asString();
    userNr = tbBenutzer->fieldByName(QStringLiteral("UserNr")).asInteger();
}

bool TPasswordDlg::PasswortPasst(const QString &gespeichert, const QString &eingegeben)
{
    return grossAscii(gespeichert) == grossAscii(eingegeben);
}

void TPasswordDlg::showEvent(QShowEvent *event)
{
    ui::Form::showEvent(event);
    ui::guard([this] { FormShow(); }, objectName());
}

void TPasswordDlg::FormShow()
{
    if (!tbBenutzer->isOpen())
        tbBenutzer->open();
    cbbxBenutzer->clear();
    for (tbBenutzer->first(); !tbBenutzer->eof(); tbBenutzer->next())
        cbbxBenutzer->addItem(tbBenutzer->fieldByName(QStringLiteral("Kurzname")).asString());
    tbBenutzer->first();
    cbbxBenutzer->setCurrentIndex(cbbxBenutzer->count() > 0 ? 0 : -1);
    SetVersuche(1);
    Password->setFocus();
}

void TPasswordDlg::SpeedButton1Click()
{
    QString gespeichert;
    if (!tbBenutzer->isEmpty()) {
        tbBenutzer->findKey({cbbxBenutzer->currentText()});
        gespeichert = tbBenutzer->fieldByName(QStringLiteral("Passwort")).asString();
    }
    if (PasswortPasst(gespeichert, Password->text())) {
        setModalResult(ui::ModalResult::Ok);
        return;
    }
    SetVersuche(Versuche + 1);
    ui::messageDlg(QStringLiteral("Das Paßwort ist falsch !!!"), ui::MessageType::Information, ui::Buttons::Ok);
    if (Versuche <= 3) {
        Password->setFocus();
        return;
    }
    ui::messageDlg(QStringLiteral("Sie haben keine Zugangsberechtigung !!!"), ui::MessageType::Information,
                   ui::Buttons::Ok);
    setModalResult(ui::ModalResult::Abort);
}
