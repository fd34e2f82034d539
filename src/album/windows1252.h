#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The Western European 8-bit code page in which album files move between systems. Our own table,
// so that reading and writing do not depend on how the Qt build was configured (ICU or not).
namespace Windows1252 {

// Every byte gives one character. The five bytes the code page leaves unassigned (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) give the control characters of the same value, as the system's own
// conversion does, so that any file reads and writes back unchanged.
QString decoder(QByteArrayView octets);

// The bytes of `texte`, or nothing when a character has no byte in the code page.
std::optional<QByteArray> encoder(QStringView texte);

} // namespace Windows1252
