#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Kandrel Razazu / Versand"));
    QMainWindow window;
    window.setWindowTitle(application.applicationName());
    window.show();
    return application.exec();
}
