#pragma once

#include <QApplication>

class QTranslator;

namespace ui {

// The program's application object. An exception that escapes an event
// handler does not end the program: it goes to the error dialog
// (sys/UnhandledException.h) and the event loop goes on.
class Application : public QApplication
{
    Q_OBJECT
public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

// The program's title ("Kandrel Razazu / Versand 1"), the caption of message
// boxes that name no caption of their own. Deliberately not Qt's application
// display name: Qt appends that to every window's caption.
void setProgramTitle(const QString &title);
QString programTitle();

// Qt's own German texts for its standard dialogs (font, colour, file,
// printer) and buttons; nullptr when the translations are not installed.
// The translator belongs to the application object.
QTranslator *installGermanQtTranslations();

} // namespace ui
