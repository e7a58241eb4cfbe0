#pragma once

#include "DatenbankUpdate.h"

// Form.h uses QWidget as a complete type.
#include <QWidget>

#include "platform/ui/Form.h"

#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

namespace db {
class Database;
}

namespace sys {
class IntervalTimer;
}

namespace dbupdate {

// The update dialog: asks the clerk to start the data-store update, shows
// the row in work and the elapsed and remaining time, and closes with 1 when
// the run counted no error, 2 otherwise. Before a run has finished it closes
// only by Ctrl+Alt+Shift+F12 (result 2).
class TfrmUpdateDataBases : public ui::Form
{
    Q_OBJECT
public:
    // Opens the change list of the program folder (files::FileError).
    TfrmUpdateDataBases(db::Database &database, const QString &programmVerzeichnis, QWidget *parent = nullptr);
    ~TfrmUpdateDataBases() override;

    DatenbankUpdate &update() { return *update_; }

    // "&Starte Update"
    void StarteUpdate();

protected:
    bool closeQuery() override;

private:
    void zeitAnzeigen();

    std::unique_ptr<DatenbankUpdate> update_;
    QLabel *Label1;
    QLabel *Label2;
    QPushButton *bbtStarten;
    QLabel *lblBearbeite;
    QProgressBar *ProgressBar1;
    sys::IntervalTimer *MMTimer1;
    bool darfSchliessen_ = false;
};

} // namespace dbupdate
