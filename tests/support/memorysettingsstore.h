#pragma once

#include "platform/settingsstore.h"

#include <QHash>
#include <QString>

// Settings in memory: for the tests, benches and fuzz targets that need a store without the
// disk (albums too long for the file-backed store to rewrite quickly, values a user could have
// edited by hand).
class MemorySettingsStore final : public SettingsStore {
public:
    // Set to make the store say that its changes were lost, as on a full disk.
    bool failWrites = false;

    QString read(const QString& section, const QString& key,
                 const QString& defaultValue = QString()) const override {
        return m_values.value(section + u'/' + key, defaultValue);
    }
    void write(const QString& section, const QString& key, const QString& value) override {
        m_values.insert(section + u'/' + key, value);
    }
    void removeKey(const QString& section, const QString& key) override {
        m_values.remove(section + u'/' + key);
    }
    void removeSection(const QString& section) override {
        const QString prefix = section + u'/';
        m_values.removeIf([&](const auto& it) { return it.key().startsWith(prefix); });
    }
    bool writeFailed() const override { return failWrites; }

private:
    QHash<QString, QString> m_values;
};
