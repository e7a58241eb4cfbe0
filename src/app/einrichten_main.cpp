#include "Einrichtung.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <exception>

// Sets up a program folder for a new clerk: razazu-einrichten <program folder>
int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList argumente = application.arguments();
    if (argumente.size() != 2) {
        std::fputs("Aufruf: razazu-einrichten <Programmordner>\n", stderr);
        return 2;
    }
    const QString ordner = QDir(argumente.at(1)).absolutePath();
    try {
        if (InstallationEinrichten(ordner) == Einrichtung::Eingerichtet)
            std::printf("Neue Installation in %s eingerichtet.\n", qPrintable(QDir::toNativeSeparators(ordner)));
    } catch (const std::exception &fehler) {
        std::fprintf(stderr, "Die Einrichtung ist fehlgeschlagen: %s\n", fehler.what());
        return 1;
    }
    return 0;
}
