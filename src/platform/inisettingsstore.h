#pragma once

#include "platform/settingsstore.h"

#include <QSettings>

// SettingsStore on a QSettings INI file. Every change is synced at once; every read first picks up
// changes made on disk by another process, except inside a batch: its start looks at the file once,
// and its reads see that and the batch's own changes. A write of the value the store holds leaves
// the file alone. Another process's change is told by the file's time and size (QSettings' rule):
// two rewrites of one size within a tick of the file clock (a few milliseconds) look like one.
class IniSettingsStore final : public SettingsStore {
public:
    // The per-user store: $XDG_CONFIG_HOME/Lumivane/Lumivane.ini.
    IniSettingsStore();
    explicit IniSettingsStore(const QString& iniPath);

    QString read(const QString& section, const QString& key,
                 const QString& defaultValue = QString()) const override;
    QStringList readMany(const QString& section, const QStringList& keys) const override;
    // A store of its own over the same file, made in the thread that reads.
    ConcurrentReader concurrentReader() const override;
    void write(const QString& section, const QString& key, const QString& value) override;
    void removeKey(const QString& section, const QString& key) override;
    void removeSection(const QString& section) override;
    void beginBatch() override;
    void endBatch() override;
    bool writeFailed() const override { return m_writeFailed; }

    QString fileName() const { return m_settings.fileName(); }

    static QString defaultPath();

private:
    void lookAtDisk() const;
    void commit();
    void sync();

    mutable QSettings m_settings;
    int m_batchDepth = 0;
    bool m_writeFailed = false;
};
