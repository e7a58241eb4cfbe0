#include "Application.h"
#include "ProgramStyle.h"

#include "Guard.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace ui {

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    installProgramStyle();
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportCurrentException(receiver ? receiver->objectName() : QString());
        return false;
    }
}

namespace {

QString &storedProgramTitle()
{
    static QString title;
    return title;
}

} // namespace

void setProgramTitle(const QString &title)
{
    storedProgramTitle() = title;
}

QString programTitle()
{
    const QString &title = storedProgramTitle();
    return title.isEmpty() ? QCoreApplication::applicationName() : title;
}

QTranslator *installGermanQtTranslations()
{
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator.release();
}

} // namespace ui
