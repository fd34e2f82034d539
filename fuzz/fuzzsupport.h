#pragma once

// What the fuzz targets share: files holding the fuzzed bytes, an in-memory settings store, and
// the start-up reads of the stored options. The library also makes the Qt application object,
// in the LLVMFuzzerInitialize of every target.

#include "platform/settingsstore.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <cstddef>
#include <cstdint>

// `octets` written to a new file named with `suffixe` (".jpg", "" ...) in a private folder,
// which the next call replaces.
QString FichierFuzz(const QByteArray& octets, const QString& suffixe = QString());

inline QByteArray OctetsFuzz(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Settings in memory: the values a user could have edited by hand, without the disk.
class ReglagesEnMemoire final : public SettingsStore {
public:
    QString read(const QString& section, const QString& key,
                 const QString& defaultValue = QString()) const override {
        return m_valeurs.value(section + u'/' + key, defaultValue);
    }
    void write(const QString& section, const QString& key, const QString& value) override {
        m_valeurs.insert(section + u'/' + key, value);
    }
    void removeKey(const QString& section, const QString& key) override {
        m_valeurs.remove(section + u'/' + key);
    }
    void removeSection(const QString& section) override;

private:
    QHash<QString, QString> m_valeurs;
};

// Every read of a stored option that the show and the dialog make at start-up, through the same
// functions they call, the album's reopening included.
void LireReglagesAuDemarrage(SettingsStore& store);
