#pragma once

#include "common/Belegart.h"
#include "common/Beleghaken.h"
#include "common/Belegregister.h"
#include "platform/db/Database.h"
#include "platform/db/DatabaseError.h"
#include "platform/db/Table.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Form.h"

#include <QList>
#include <memory>

class QAction;
class QMenu;
class TSR_dbGrid;

namespace db {
class Database;
}
namespace ui {
class SpeedButton;
}

// The register of a document family ("Regiezentrum"): lists the family's
// documents and offers "&Neu", "&Bearbeiten", "&Löschen", "&Kopieren",
// "&Suchen", "&Drucken", "&Master-Form", "&Parameter" and "Sc&hließen" as
// buttons and in the list's context menu, four navigation buttons, Enter
// and a double click in the list for "&Bearbeiten". Everything it does
// differently per family comes from the family's declaration and hooks.
//
// Created, it holds the family's tables open (see Belegregister); shown, it
// hides the master record as declared and goes to AktuelleBelegNr. Created
// without being shown (a follow-up document, BelegBearbeiten) it does
// neither. Closing it leaves no placeholder document behind.
class TfrmRegie : public ui::Form
{
    Q_OBJECT
public:
    // The family's register; its hooks come from the declaration.
    TfrmRegie(const Belegart &art, db::Database &datenbank, QWidget *parent = nullptr);
    ~TfrmRegie() override;

    Belegregister &regie() { return *register_; }
    db::Table &kopf() { return register_->kopf(); }
    const Belegart &art() const { return register_->art(); }
    Beleghaken &haken() { return *haken_; }

    ui::SpeedButton *bbtNeu;
    ui::SpeedButton *bbtAendern;            // "&Bearbeiten"
    ui::SpeedButton *bbtLoeschen;
    ui::SpeedButton *bbtKopieren;
    ui::SpeedButton *bbtSuchen;
    ui::SpeedButton *bbtDrucken;
    ui::SpeedButton *BitBtnMasterForm;
    ui::SpeedButton *SpeedButtonParameter;
    ui::SpeedButton *bbtSchliessen;
    ui::SpeedButton *SpeedButtonErste;
    ui::SpeedButton *SpeedButtonVorherige;
    ui::SpeedButton *SpeedButtonNaechste;
    ui::SpeedButton *SpeedButtonLetzte;
    TSR_dbGrid *dbgrRegie;
    QMenu *PopupMenu1;

    void Neu();
    void Bearbeiten();
    void Loeschen();
    void Kopieren();
    void Suchen();
    void Drucken();
    void MasterForm();
    void Parameter();
    void Erste();
    void Vorherige();
    void Naechste();
    void Letzte();

    // Opens the document of that number in the family's entry form without
    // showing the register; a number without a document shows nothing.
    // Returns whether the document was found.
    template<typename Register>
    static bool belegBearbeiten(int belegNr)
    {
        Register regie;
        if (!regie.kopf().findKey({belegNr}))
            return false;
        regie.Bearbeiten();
        return true;
    }

protected:
    void showEvent(QShowEvent *event) override;
    void formClose(int modalResult) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void formularAufbauen();
    // "&Bearbeiten": the family's entry form on the current document, modal.
    void eingabeformularZeigen(const QString &status);
    void knoepfeAktualisieren();
    void hervorhebungZuruecksetzen();

    std::unique_ptr<Beleghaken> haken_;
    std::unique_ptr<Belegregister> register_;
    QList<ui::SpeedButton *> befehle_;
    QList<QAction *> sperrbareEintraege_;
    bool gezeigt_ = false;
};

// A family's register under the name the program knows it by
// (`using TfrmRegieCMR = Familienregister<CmrFrachtbrief>;`): a register of
// the declared family on the program's data store or another one.
template<const Belegart &(*Art)()>
class Familienregister : public TfrmRegie
{
public:
    explicit Familienregister(QWidget *parent = nullptr)
        : TfrmRegie(Art(), db::Database::alias(QStringLiteral("Z_Tavero")), parent)
    {
    }
    explicit Familienregister(db::Database &datenbank, QWidget *parent = nullptr) : TfrmRegie(Art(), datenbank, parent)
    {
    }
};

// A register for the main window's dispatcher: when another workstation
// holds the family's tables the clerk is told so and nothing opens.
template<typename Register>
std::unique_ptr<QDialog> RegisterErzeugen(QWidget *parent)
{
    try {
        return std::make_unique<Register>(parent);
    } catch (const db::LockError &fehler) {
        ui::showError(fehler.message());
        return nullptr;
    }
}
