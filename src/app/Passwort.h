#pragma once

#include "platform/ui/Form.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace db {
class DataSource;
class Table;
}
namespace ui {
class SpeedButton;
}

// The login dialog "Zugangsberechtigung": pick the short name, type the
// password. Ends with 1 after the right password, 3 after the third wrong
// one in a row, 2 on Esc or the close button.
class TPasswordDlg : public ui::Form
{
    Q_OBJECT
public:
    explicit TPasswordDlg(QWidget *parent = nullptr);

    int GetVersuche() const { return Versuche; }
    void SetVersuche(int versuche);

    // The automatic login: goes to the user with that short name; false when
    // nobody has it.
    bool BenutzerSuchen(const QString &kurzname);
    // Short name and number of the user the table stands on (empty and 0
    // when there are no users).
    void BenutzerUebernehmen(QString &kurzname, int &userNr) const;

    // Compares as the login does: letters a to z without regard to case,
    // every other character exactly.
    static bool PasswortPasst(const QString &gespeichert, const QString &eingegeben);

    QLabel *Label1;
    QComboBox *cbbxBenutzer;
    QLabel *Label2;
    QLineEdit *Password;
    ui::SpeedButton *SpeedButton1;
    db::Table *tbBenutzer;
    db::DataSource *dsBenutzer;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void SpeedButton1Click();

    int Versuche = 0;
};
