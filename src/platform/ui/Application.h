#pragma once

#include <QApplication>

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

} // namespace ui
