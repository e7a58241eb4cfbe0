#include "TfrmAuftr_de.h"

#include "common/Programmzustand.h"
#include "common/Util.h"
#include "platform/db/DataSource.h"
#include "platform/db/Table.h"
#include "platform/sys/Files.h"
#include "platform/ui/Appearance.h"
#include "platform/ui/DataControls.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Menus.h"

#include <QAction>
#include <QBuffer>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QMenuBar>
#include <QVBoxLayout>

TfrmAuftr_de::TfrmAuftr_de(db::DataSource *parameter, QWidget *parent)
    : ui::Form(parent)
    , parameter_(parameter)
{
    setObjectName(QStringLiteral("frmAuftr_de"));
    setWindowTitle(QStringLiteral("Firmendaten"));
    resize(774, 324);
    const ui::Appearance aussehen = Erscheinungsbild();
    ui::applyBackground(this, aussehen.background);

    auto eingabe = [&](const QString &feld, QWidget *eltern) {
        auto *edit = new ui::DataEdit(QStringLiteral("DBEdit%1").arg(feld), parameter, feld, eltern);
        ui::applyUserFont(edit, aussehen.inputFields);
        QFont schrift = edit->font();
        schrift.setPointSize(8);
        edit->setFont(schrift);
        return edit;
    };

    GroupBox1 = new QGroupBox(QStringLiteral("Kopfzeile"), body());
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    DBImage1 = new ui::DataImage(GroupBox1);
    DBImage1->setObjectName(QStringLiteral("DBImage1"));
    DBImage1->setFixedSize(95, 77);
    DBImage1->setStretch(true);
    DBImage1->setDataSource(parameter);
    DBImage1->setDataField(QStringLiteral("Logo"));
    DBImage1->installEventFilter(this);
    auto *kopfzeilen = new QVBoxLayout;
    for (int i = 1; i <= 4; ++i) {
        Kopf << eingabe(QStringLiteral("Kopf%1").arg(i), GroupBox1);
        kopfzeilen->addWidget(Kopf.last());
    }
    auto *kopf = new QHBoxLayout(GroupBox1);
    kopf->addWidget(DBImage1);
    kopf->addLayout(kopfzeilen, 1);

    // Four rows of four, as the footer is printed.
    GroupBox2 = new QGroupBox(QStringLiteral("Fußzeile"), body());
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto *fuss = new QGridLayout(GroupBox2);
    for (int i = 1; i <= 16; ++i) {
        Fuss << eingabe(QStringLiteral("Fuss%1").arg(i), GroupBox2);
        fuss->addWidget(Fuss.last(), (i - 1) / 4, (i - 1) % 4);
    }
    ui::applyUserFont(GroupBox1, aussehen.documentLabels);
    ui::applyUserFont(GroupBox2, aussehen.documentLabels);

    auto *layout = new QVBoxLayout(body());
    layout->addWidget(GroupBox1);
    layout->addWidget(GroupBox2);

    QAction *schliessen = ui::addMenuItem(menuBar(), QStringLiteral("mnuSchliessen"), QStringLiteral("&Schließen"));
    connect(schliessen, &QAction::triggered, this, ui::guarded([this] { mnuSchliessenClick(); }));
    if (parameter && parameter->dataSet())
        postOnClose(parameter->dataSet());
}

QString TfrmAuftr_de::logoDatei()
{
    return sys::joinPath(ProgrammVerzeichnis(), QStringLiteral("Logo.Bmp"));
}

void TfrmAuftr_de::logoDateiSchreiben(const QByteArray &logo)
{
    const QImage bild = QImage::fromData(logo);
    if (bild.isNull())
        return;
    QByteArray bitmap;
    QBuffer puffer(&bitmap);
    puffer.open(QIODevice::WriteOnly);
    if (!bild.save(&puffer, "BMP"))
        throw sys::FileSystemError(QStringLiteral("Das Logo konnte nicht als Bitmap gespeichert werden."), logoDatei());
    sys::writeFileBytes(logoDatei(), bitmap);
}

bool TfrmAuftr_de::logoLaden(const QString &datei)
{
    db::Table *tabelle = parameter_ ? parameter_->dataSet() : nullptr;
    if (!tabelle || !tabelle->isOpen())
        return false;
    if (!DBImage1->loadFromFile(datei)) {
        ui::showError(QStringLiteral("Die Datei \"%1\" enthält kein lesbares Bild.").arg(datei));
        return false;
    }
    tabelle->post();
    if (tabelle->state() != db::DatasetState::Browse)
        return false;
    setWindowTitle(datei);
    logoDateiSchreiben(tabelle->fieldByName(QStringLiteral("Logo")).asBytes());
    return true;
}

void TfrmAuftr_de::DBImage1DblClick()
{
    ui::FileRequest anfrage;
    anfrage.filter = QStringLiteral("*.bmp;*.ico;*.wmf (*.bmp *.ico *.wmf *.png *.jpg *.jpeg)");
    const std::optional<QString> datei = ui::dialogs().openFile(anfrage);
    if (datei)
        logoLaden(*datei);
}

void TfrmAuftr_de::mnuSchliessenClick()
{
    if (db::Table *tabelle = parameter_ ? parameter_->dataSet() : nullptr; tabelle && tabelle->isOpen())
        logoDateiSchreiben(tabelle->fieldByName(QStringLiteral("Logo")).asBytes());
    setModalResult(ui::ModalResult::Cancel);
}

bool TfrmAuftr_de::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == DBImage1 && event->type() == QEvent::MouseButtonDblClick) {
        ui::guard([this] { DBImage1DblClick(); }, objectName());
        return true;
    }
    return ui::Form::eventFilter(watched, event);
}
