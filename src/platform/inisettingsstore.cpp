#include "platform/inisettingsstore.h"

#include <QDir>
#include <QStandardPaths>
#include <memory>

namespace {
QString fullKey(const QString& section, const QString& key) {
    return section + u'/' + key;
}
} // namespace

IniSettingsStore::IniSettingsStore() : IniSettingsStore(defaultPath()) {}

IniSettingsStore::IniSettingsStore(const QString& iniPath)
    : m_settings(iniPath, QSettings::IniFormat) {}

QString IniSettingsStore::defaultPath() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(base).filePath(QStringLiteral("Lumivane/Lumivane.ini"));
}

QString IniSettingsStore::read(const QString& section, const QString& key,
                               const QString& defaultValue) const {
    lookAtDisk();
    const QVariant v = m_settings.value(fullKey(section, key));
    return v.isValid() ? v.toString() : defaultValue;
}

QStringList IniSettingsStore::readMany(const QString& section, const QStringList& keys) const {
    lookAtDisk();
    QStringList values;
    values.reserve(keys.size());
    for (const QString& key : keys)
        values.append(m_settings.value(fullKey(section, key)).toString());
    return values;
}

SettingsStore::ConcurrentReader IniSettingsStore::concurrentReader() const {
    return [path = fileName(), store = std::shared_ptr<IniSettingsStore>()](
               const QString& section, const QStringList& keys) mutable {
        if (!store)
            store = std::make_shared<IniSettingsStore>(path);
        return store->readMany(section, keys);
    };
}

void IniSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    // Rewriting the whole file for nothing would cost the dialog's start the time of a long list.
    // What another process wrote meanwhile counts, so the file is looked at first.
    lookAtDisk();
    const QString k = fullKey(section, key);
    const QVariant held = m_settings.value(k);
    if (held.isValid() && held.toString() == value)
        return;
    m_settings.setValue(k, value);
    commit();
}

void IniSettingsStore::removeKey(const QString& section, const QString& key) {
    m_settings.remove(fullKey(section, key));
    commit();
}

void IniSettingsStore::removeSection(const QString& section) {
    m_settings.remove(section);
    commit();
}

void IniSettingsStore::beginBatch() {
    if (m_batchDepth++ == 0)
        m_settings.sync();
}

// sync() re-reads the file when another process changed it (a stat when nothing changed). Inside
// a batch it would also write the batch's changes so far: the batch's start looked instead.
void IniSettingsStore::lookAtDisk() const {
    if (m_batchDepth == 0)
        m_settings.sync();
}

void IniSettingsStore::endBatch() {
    if (m_batchDepth > 0 && --m_batchDepth == 0)
        sync();
}

void IniSettingsStore::commit() {
    if (m_batchDepth == 0)
        sync();
}

// QSettings keeps the first error it met; a file that cannot be parsed is not a write's fault.
void IniSettingsStore::sync() {
    m_settings.sync();
    if (m_settings.status() == QSettings::AccessError)
        m_writeFailed = true;
}
