#pragma once

#include "platform/prompts.h"
#include "platform/settingsstore.h"

// A writer of the settings store tells the user, once, when the store did not keep what it
// wrote: the show and the next start would otherwise read something else than the dialog shows.
class AvisEcriture {
public:
    AvisEcriture(SettingsStore& reglages, Prompts& messages, QString texte)
        : m_reglages(reglages), m_messages(messages), m_texte(std::move(texte)) {}

    // To call after each batch of writes.
    void verifier() {
        if (m_dit || !m_reglages.writeFailed())
            return;
        m_dit = true;
        m_messages.notify(m_texte);
    }

private:
    SettingsStore& m_reglages;
    Prompts& m_messages;
    QString m_texte;
    bool m_dit = false;
};
