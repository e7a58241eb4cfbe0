#pragma once

#include "platform/ui/Form.h"

#include <QList>

class QGroupBox;

namespace db {
class DataSource;
}
namespace ui {
class DataEdit;
class DataImage;
}

// "Firmendaten": the letterhead lines, footer and logo of the commercial
// papers in the parameter record. The order print draws the logo from the
// file "Logo.Bmp" in the program folder, which is written as a bitmap
// whenever the stored logo changes.
class TfrmAuftr_de : public ui::Form
{
    Q_OBJECT
public:
    // parameter: the main window's data source on S_PARAME.
    explicit TfrmAuftr_de(db::DataSource *parameter, QWidget *parent = nullptr);

    QGroupBox *GroupBox1;           // "Kopfzeile"
    ui::DataImage *DBImage1;        // Logo
    QList<ui::DataEdit *> Kopf;     // Kopf1 .. Kopf4
    QGroupBox *GroupBox2;           // "Fußzeile"
    QList<ui::DataEdit *> Fuss;     // Fuss1 .. Fuss16

    // Asks for a picture file and stores it as the logo.
    void DBImage1DblClick();
    // Stores the logo from a file; false (the clerk told) when it is no picture.
    bool logoLaden(const QString &datei);
    // "&Schließen"
    void mnuSchliessenClick();

    // The file the order print draws the logo from.
    static QString logoDatei();
    // Writes the stored logo to logoDatei() as a bitmap; nothing when there
    // is none. sys::FileSystemError when the file cannot be written.
    static void logoDateiSchreiben(const QByteArray &logo);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    db::DataSource *parameter_;
};
