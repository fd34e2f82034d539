#pragma once

#include "platform/settingsstore.h"

// Holds a batch open for its lifetime.
class SettingsBatch {
public:
    explicit SettingsBatch(SettingsStore& store) : m_store(store) { m_store.beginBatch(); }
    ~SettingsBatch() { m_store.endBatch(); }
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;

private:
    SettingsStore& m_store;
};
