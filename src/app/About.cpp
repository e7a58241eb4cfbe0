#include "About.h"

#include "common/Hersteller.h"
#include "common/Programmzustand.h"
#include "common/ShellFehler.h"
#include "common/Util.h"

#include "platform/ui/Appearance.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *verweis(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()), parent);
    label->setObjectName(name);
    label->setCursor(Qt::PointingHandCursor);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    return label;
}

} // namespace

TAboutBox::TAboutBox(const QString &caption, QWidget *parent) : ui::Form(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(caption);

    auto *oben = new QFrame(body());
    oben->setObjectName(QStringLiteral("Panel1"));
    oben->setFrameShape(QFrame::StyledPanel);
    auto *produkt = new QLabel(QStringLiteral("<b>Kandrel Razazu / Versand</b><br>"
                                              "Zoll-, Export- und Versandpapiere"), oben);
    auto *anschrift = new QLabel(QStringLiteral("%1<br>Hafenstraße 12, 20457 Hamburg<br>"
                                                "Telefon 040 / 300 48 10, Telefax 040 / 300 48 19<br><br>"
                                                "Hotline: Frau Brandt, Telefon 040 / 300 48 15<br>"
                                                "Technische Hotline: Herr Okafor, Telefon 040 / 300 48 16")
                                     .arg(hersteller::Name),
                                 oben);
    lblInternet = verweis(QStringLiteral("lblInternet"), hersteller::Internet, oben);
    lblEMail = verweis(QStringLiteral("lblEMail"), hersteller::EMail, oben);
    auto *verweise = new QGridLayout;
    verweise->addWidget(new QLabel(QStringLiteral("Internet :"), oben), 0, 0);
    verweise->addWidget(lblInternet, 0, 1);
    verweise->addWidget(new QLabel(QStringLiteral("e-Mail :"), oben), 1, 0);
    verweise->addWidget(lblEMail, 1, 1);
    verweise->setColumnStretch(1, 1);
    auto *obenLayout = new QVBoxLayout(oben);
    obenLayout->addWidget(produkt);
    obenLayout->addWidget(anschrift);
    obenLayout->addLayout(verweise);

    quint16 major = 0, minor = 0, release = 0, build = 0;
    DateiVersionLesen(QCoreApplication::applicationFilePath(), major, minor, release, build);
    auto *version = new QFrame(body());
    version->setObjectName(QStringLiteral("Panel2"));
    version->setFrameShape(QFrame::StyledPanel);
    auto *versionLayout = new QGridLayout(version);
    auto zeile = [&](int row, const QString &text, quint16 wert, const QString &name) {
        versionLayout->addWidget(new QLabel(text, version), row, 0);
        auto *label = new QLabel(QString::number(wert), version);
        label->setObjectName(name);
        versionLayout->addWidget(label, row, 1);
        return label;
    };
    lblDateiVersion = zeile(0, QStringLiteral("Datei-Version:"), major, QStringLiteral("lblDateiVersion"));
    lblUnterversion = zeile(1, QStringLiteral("Unterversiom:"), minor, QStringLiteral("lblUnterversion"));
    lblAusgabe = zeile(2, QStringLiteral("Ausgabe:"), release, QStringLiteral("lblAusgabe"));
    lblBuilt = zeile(3, QStringLiteral("Built:"), build, QStringLiteral("lblBuilt"));
    versionLayout->setColumnStretch(1, 1);

    OKButton = new QPushButton(QStringLiteral("OK"), body());
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setFlat(!(Erscheinungsbild().framedSpeedButtons));
    setButtonResult(OKButton, ui::ModalResult::Ok);
    setDefaultButton(OKButton);
    setCancelButton(OKButton);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OKButton);

    auto *layout = new QVBoxLayout(body());
    layout->addWidget(oben);
    layout->addWidget(version);
    layout->addLayout(knoepfe);
    setFixedSize(sizeHint().expandedTo(QSize(380, 0)));

    connect(lblInternet, &QLabel::linkActivated, this,
            [] { ShellOeffnen(hersteller::Internet, ProgrammVerzeichnis()); });
    connect(lblEMail, &QLabel::linkActivated, this,
            [] { ShellOeffnen(QStringLiteral("mailto:") + hersteller::EMail, ProgrammVerzeichnis()); });
}
