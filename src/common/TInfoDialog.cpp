#include "common/TInfoDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TInfoDialog::TInfoDialog(int modus, const QString &meldung, const QStringList &zeilen, QWidget *parent)
    : ui::Form(parent)
{
    setObjectName(QStringLiteral("InfoDialog"));
    resize(546, 331);
    Label1 = new QLabel(meldung, body());
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Memo1 = new QPlainTextEdit(body());
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setPlainText(zeilen.join(QLatin1Char('\n')));
    btnNein = new QPushButton(QStringLiteral("Nein"), body());
    btnNein->setObjectName(QStringLiteral("btnNein"));
    btnJa = new QPushButton(QStringLiteral("Ja"), body());
    btnJa->setObjectName(QStringLiteral("btnJa"));

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(btnJa);
    knoepfe->addWidget(btnNein);
    auto *layout = new QVBoxLayout(body());
    layout->addWidget(Label1);
    layout->addWidget(Memo1, 1);
    layout->addLayout(knoepfe);

    setButtonResult(btnJa, ui::ModalResult::Ok);
    setButtonResult(btnNein, ui::ModalResult::Cancel);
    setCancelButton(btnNein);
    if (modus == 1) {
        setWindowTitle(QStringLiteral("Hinweise zu den Druck-Parametern"));
        btnJa->hide();
        btnNein->setText(QStringLiteral("Schließen"));
    } else {
        setWindowTitle(QStringLiteral("Zu Ihrer Information"));
    }
}

bool ZeigeInfoDialog(int modus, const QString &meldung, const QStringList &zeilen, QWidget *parent)
{
    TInfoDialog dialog(modus, meldung, zeilen, parent);
    return dialog.showModal() == ui::ModalResult::Ok;
}
