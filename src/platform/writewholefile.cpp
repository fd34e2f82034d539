#include "platform/writewholefile.h"

#include <QSaveFile>

QString writeWholeFile(const QString& path, const QByteArray& contents) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // A large write that the disk takes only in part returns the part it took, with no error;
    // a small one waits in the buffer, whose failure at the commit's flush the commit forgets.
    if (file.write(contents) != contents.size() || !file.flush()) {
        const QString reason = file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : QStringLiteral("écriture incomplète, disque plein ?");
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
