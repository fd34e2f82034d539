#include "doubles.h"

TempSettingsStore::TempSettingsStore()
    : m_store(std::make_unique<IniSettingsStore>(m_dir.filePath(QStringLiteral("Lumivane.ini")))) {}

float ScriptedRandom::next() {
    if (values.isEmpty())
        return m_engine.next();
    const float v = values[m_next % values.size()];
    ++m_next;
    return v;
}

void FakeRegistry::set(Handle root, const QByteArray& subKey, const QByteArray& name,
                       const QByteArray& v) {
    values.insert(QString::number(root) + u'|' + QString::fromLatin1(subKey.toLower()) + u'|' +
                      QString::fromLatin1(name.toLower()),
                  v);
}

long FakeRegistry::openKey(Handle root, const QByteArray& subKey, Handle* handle) {
    const QString key = QString::number(root) + u'|' + QString::fromLatin1(subKey.toLower());
    opened << QString::number(root, 16) + u'|' + QString::fromLatin1(subKey);
    const QString prefix = key + u'|';
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (it.key().startsWith(prefix)) {
            m_keys << key;
            *handle = Handle(m_keys.size());
            return Success;
        }
    }
    return NotFound;
}

long FakeRegistry::queryString(Handle key, const QByteArray& name, QByteArray& buffer,
                               std::uint32_t& length) {
    if (key == 0 || key > Handle(m_keys.size()))
        return NotFound;
    const QString full = m_keys[key - 1] + u'|' + QString::fromLatin1(name.toLower());
    if (!values.contains(full))
        return NotFound;
    const QByteArray v = values[full] + '\0';
    if (std::uint32_t(v.size()) > length)
        return MoreData;
    buffer.replace(0, v.size(), v);
    length = std::uint32_t(v.size());
    return Success;
}
