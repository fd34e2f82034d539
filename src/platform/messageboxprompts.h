#pragma once

#include "platform/prompts.h"

class QWidget;

// Prompts as modal message boxes titled "Lumivane" over `parent`.
class MessageBoxPrompts final : public Prompts {
public:
    explicit MessageBoxPrompts(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    bool askYesNo(const QString& text) override;
    bool askRetryCancel(const QString& text) override;
    void notify(const QString& text) override;

private:
    QWidget* m_parent;
};
