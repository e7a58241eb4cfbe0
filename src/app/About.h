#pragma once

#include "platform/ui/Form.h"

class QLabel;
class QPushButton;

// The about box: the maker's addresses and the four numbers of the
// program's file version.
class TAboutBox : public ui::Form
{
    Q_OBJECT
public:
    // caption: the main window's caption, which carries the version.
    explicit TAboutBox(const QString &caption, QWidget *parent = nullptr);

    QLabel *lblInternet;
    QLabel *lblEMail;
    QLabel *lblDateiVersion;
    QLabel *lblUnterversion;
    QLabel *lblAusgabe;
    QLabel *lblBuilt;
    QPushButton *OKButton;
};
