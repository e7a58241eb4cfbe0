#include "Application.h"

#include "Guard.h"

namespace ui {

Application::Application(int &argc, char **argv) : QApplication(argc, argv) {}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportCurrentException(receiver ? receiver->objectName() : QString());
        return false;
    }
}

} // namespace ui
