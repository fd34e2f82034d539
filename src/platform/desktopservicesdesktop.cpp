#include "platform/desktopservicesdesktop.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopServicesDesktop::openFile(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool DesktopServicesDesktop::openWebPage(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}
