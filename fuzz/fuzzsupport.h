#pragma once

// What the fuzz targets share: files holding the fuzzed bytes, the in-memory settings store, and
// the start-up reads of the stored options. The library also makes the Qt application object,
// in the LLVMFuzzerInitialize of every target.

#include "memorysettingsstore.h"
#include "platform/settingsstore.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// `octets` written to a new file named with `suffixe` (".jpg", "" ...) in a private folder,
// which the next call replaces.
QString FichierFuzz(const QByteArray& octets, const QString& suffixe = QString());

inline QByteArray OctetsFuzz(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Every read of a stored option that the show and the dialog make at start-up, through the same
// functions they call, the album's reopening included.
void LireReglagesAuDemarrage(SettingsStore& store);
