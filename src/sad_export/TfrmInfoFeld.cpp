#include "sad_export/TfrmInfoFeld.h"

#include "platform/ui/Menus.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QTreeWidget>
#include <QVBoxLayout>

TfrmInfoFeld::TfrmInfoFeld(const QString &name, const QString &titel, QList<Infospalte> spalten,
                           QList<Infogruppe> gruppen, QWidget *parent)
    : ui::Form(parent), spalten_(std::move(spalten)), gruppen_(std::move(gruppen))
{
    setObjectName(name);
    setWindowTitle(titel);
    resize(900, 420);
    QAction *schliessen = ui::addMenuItem(menuBar(), QStringLiteral("mnuSchliessen"), QStringLiteral("Schließen"));
    connect(schliessen, &QAction::triggered, this, [this] { setModalResult(ui::ModalResult::Cancel); });

    TreeView1 = new QTreeWidget(body());
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    for (const Infogruppe &gruppe : std::as_const(gruppen_))
        TreeView1->addTopLevelItem(new QTreeWidgetItem({gruppe.name}));
    TreeView1->setMaximumWidth(160);

    ListView1 = new QTreeWidget(body());
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setRootIsDecorated(false);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList spaltentitel;
    for (const Infospalte &spalte : std::as_const(spalten_))
        spaltentitel << spalte.titel;
    ListView1->setHeaderLabels(spaltentitel);
    for (int i = 0; i < spalten_.size(); ++i)
        ListView1->setColumnWidth(i, spalten_[i].breite);

    auto *beschriftungen = new QGridLayout;
    for (int i = 0; i < spalten_.size(); ++i) {
        auto *label = new QLabel(spalten_[i].beschriftung, body());
        auto *anzeige = new QLabel(body());
        anzeige->setObjectName(QStringLiteral("lblAnzeige%1").arg(i + 1));
        anzeige->setWordWrap(true);
        beschriftungen->addWidget(label, i, 0);
        beschriftungen->addWidget(anzeige, i, 1);
        anzeigen << anzeige;
    }
    beschriftungen->setColumnStretch(1, 1);

    auto *oben = new QHBoxLayout;
    oben->addWidget(TreeView1);
    oben->addWidget(ListView1, 1);
    auto *layout = new QVBoxLayout(body());
    layout->addLayout(oben, 1);
    layout->addLayout(beschriftungen);
    inhalt_ = layout;

    connect(TreeView1, &QTreeWidget::currentItemChanged, this,
            [this] { gruppeZeigen(gewaehlteGruppe()); });
    connect(ListView1, &QTreeWidget::currentItemChanged, this, [this] { zeileZeigen(); });
}

int TfrmInfoFeld::gewaehlteGruppe() const
{
    QTreeWidgetItem *eintrag = TreeView1->currentItem();
    return eintrag ? TreeView1->indexOfTopLevelItem(eintrag) : -1;
}

void TfrmInfoFeld::gruppeZeigen(int gruppe)
{
    ListView1->setUpdatesEnabled(false);
    ListView1->clear();
    if (gruppe >= 0 && gruppe < gruppen_.size()) {
        for (const QStringList &zeile : std::as_const(gruppen_[gruppe].zeilen))
            ListView1->addTopLevelItem(new QTreeWidgetItem(zeile));
    }
    ListView1->setUpdatesEnabled(true);
    zeileZeigen();
}

QStringList TfrmInfoFeld::gewaehlteZeile() const
{
    QTreeWidgetItem *eintrag = ListView1->currentItem();
    QStringList texte;
    if (!eintrag)
        return texte;
    for (int i = 0; i < spalten_.size(); ++i)
        texte << eintrag->text(i);
    return texte;
}

void TfrmInfoFeld::zeileZeigen()
{
    const QStringList texte = gewaehlteZeile();
    for (int i = 0; i < anzeigen.size(); ++i)
        anzeigen[i]->setText(texte.value(i));
}
