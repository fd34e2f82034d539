#pragma once

#include <QString>

// Message boxes, all titled "Lumivane".
class Prompts {
public:
    virtual ~Prompts() = default;
    // Yes/No question with the question icon; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
    // Retry/Cancel with the information icon; true for Retry.
    virtual bool askRetryCancel(const QString& text) = 0;
    // OK notice with the information icon.
    virtual void notify(const QString& text) = 0;
};
