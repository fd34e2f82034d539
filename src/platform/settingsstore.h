#pragma once

#include <QStringList>
#include <functional>

// Per-user text values addressed by section and key. Reading never fails: an absent key or
// section gives the default. A write or a delete is durable at once, unless writeFailed() says
// otherwise, and visible to a later read, also from another process.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& section, const QString& key,
                         const QString& defaultValue = QString()) const = 0;
    // The values of `keys`, each empty when absent, as one read sees the store: a store that
    // looks at its file before each read looks once for them all.
    virtual QStringList readMany(const QString& section, const QStringList& keys) const {
        QStringList values;
        for (const QString& key : keys)
            values.append(read(section, key));
        return values;
    }
    // readMany() for one other thread while this store is used on its own: a long read off the
    // UI thread. None when the store cannot give one; it then reads where it is called.
    using ConcurrentReader = std::function<QStringList(const QString&, const QStringList&)>;
    virtual ConcurrentReader concurrentReader() const { return {}; }

    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
    virtual void removeKey(const QString& section, const QString& key) = 0;
    virtual void removeSection(const QString& section) = 0;

    // Changes made inside a batch may reach the disk together when the outermost batch ends,
    // instead of one by one: rewriting a long list stays linear. Use SettingsBatch.
    virtual void beginBatch() {}
    virtual void endBatch() {}

    // True once a change could not be made durable (the folder full, read-only or missing):
    // what a later read or another process finds may then differ from what was written. Stays
    // true; ask it after a batch, or after a change made outside one.
    virtual bool writeFailed() const { return false; }
};
