#pragma once

#include "platform/files/formats/DelimitedText.h"
#include "platform/ui/Form.h"

class QComboBox;
class QPushButton;
class RadioGroup;

// The file format of an import or export, as the chooser's items stand.
namespace Datenbankformat {
constexpr int Keines = -1;
constexpr int DBase = 0;
constexpr int Paradox = 1;
constexpr int TextFixed = 2;
constexpr int TextDelimited = 3;
constexpr int CsvDateien = 4;
}

// "Datenbankformat wählen": the format of a file to import or export, with
// separator and quote character of a delimited text file. Closing it with a
// format chosen gives modal result 1; with none it asks whether to choose
// one, and No closes it with modal result 2.
class TfrmDatenbank : public ui::Form
{
    Q_OBJECT
public:
    explicit TfrmDatenbank(QWidget *parent = nullptr);

    RadioGroup *RadioGroup1;
    QComboBox *ComboBox1;   // "Feldtrennzeichen:"
    QComboBox *ComboBox2;   // "Textbegrenzungszeichen:"
    QPushButton *BitBtn1;   // "Schließen"

    int formatIndex() const;
    void setFormatIndex(int index);
    // Separator and quote character as chosen (checked by "Schließen").
    files::DelimitedFormat textformat() const;

protected:
    void done(int modalResult) override;

private:
    void formatGewaehlt();
    void schliessen();
};
