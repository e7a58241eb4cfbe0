#pragma once

#include "platform/ui/Form.h"

#include <QList>

class QLabel;

namespace db {
class DataSource;
class Table;
}
namespace ui {
class DataEdit;
class SpeedButton;
}

// "Parameter - Sprachen": the names of the five print languages, Sprache1
// to Sprache5 of the parameter record. "OK" ends with 1, "Abbruch" with 2;
// the caller posts or cancels.
class Tfrmsprachen : public ui::Form
{
    Q_OBJECT
public:
    // parameter: the main window's data source on S_PARAME.
    explicit Tfrmsprachen(db::DataSource *parameter, QWidget *parent = nullptr);

    QList<QLabel *> Labels;         // "Sprache 1" .. "Sprache 5"
    QList<ui::DataEdit *> Edits;    // Sprache1 .. Sprache5
    ui::SpeedButton *SpeedButton1;  // "OK"
    ui::SpeedButton *SpeedButton2;  // "Abbruch"

    // The main menu's "&Sprachen": the dialog; on OK the parameter record is
    // posted and the names go into the field Sprache of the first five rows
    // of the language table (in its order), all in one write; otherwise
    // what was typed is dropped. Returns whether it was OK.
    static bool SprachenBearbeiten(db::Table &parameter, db::DataSource &quelle, db::Table &sprachen,
                                   QWidget *parent = nullptr);
};
