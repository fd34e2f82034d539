// Rewriting an album's photo list in the settings store, one write at a time and as a batch,
// then reading it back as the screen saver does.

#include "album/miroir.h"
#include "platform/inisettingsstore.h"
#include "settings/reglages.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {
double rewrite(IniSettingsStore& store, int count, bool batch) {
    QElapsedTimer t;
    t.start();
    if (batch)
        store.beginBatch();
    Reglages::effacerSection(store, Reglages::Section::ListeDeFichiers);
    for (int i = 0; i < count; ++i)
        Reglages::ecrire(store, Reglages::fichier(i),
                         QStringLiteral("/home/user/Photos/2026/vacances/photo-%1.jpg").arg(i));
    if (batch)
        store.endBatch();
    return double(t.nsecsElapsed()) / 1e6;
}
} // namespace

int main() {
    QTemporaryDir dir;
    IniSettingsStore store(dir.filePath(QStringLiteral("Lumivane.ini")));
    for (int count : {500, 2000}) {
        std::printf("%5d photos, write by write: %8.1f ms\n", count, rewrite(store, count, false));
    }
    for (int count : {500, 2000, 10000, 32767}) {
        std::printf("%5d photos, one batch:      %8.1f ms\n", count, rewrite(store, count, true));
        QElapsedTimer t;
        t.start();
        const QStringList read = ChargerPhotos(store);
        std::printf("%5d photos read back:       %8.1f ms (%lld entries)\n", count,
                    double(t.nsecsElapsed()) / 1e6, static_cast<long long>(read.size()));
    }
    return 0;
}
