#include "platform/qttranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool installQtTranslation(QCoreApplication& app) {
    // Dates, sizes and numbers too, whatever the user's own locale: the interface is French.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    auto* traduction = new QTranslator(&app);
    if (!traduction->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduction;
        return false;
    }
    return QCoreApplication::installTranslator(traduction);
}
