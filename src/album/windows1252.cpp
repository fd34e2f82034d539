#include "album/windows1252.h"

#include <array>

namespace Windows1252 {

namespace {
// 0x80 to 0x9F; every other byte has the code point of its own value.
constexpr std::array<char16_t, 32> Zone80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t versUnicode(unsigned char octet) {
    return octet >= 0x80 && octet < 0xA0 ? Zone80[octet - 0x80] : char16_t(octet);
}

std::optional<char> versOctet(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < Zone80.size(); ++i) {
        if (Zone80[i] == c)
            return char(0x80 + i);
    }
    return std::nullopt;
}
} // namespace

QString decoder(QByteArrayView octets) {
    QString texte(octets.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < octets.size(); ++i)
        texte[i] = QChar(versUnicode(static_cast<unsigned char>(octets[i])));
    return texte;
}

std::optional<QByteArray> encoder(QStringView texte) {
    QByteArray octets(texte.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const auto octet = versOctet(texte[i].unicode());
        if (!octet)
            return std::nullopt;
        octets[i] = *octet;
    }
    return octets;
}

} // namespace Windows1252
