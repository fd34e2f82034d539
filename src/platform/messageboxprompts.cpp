#include "platform/messageboxprompts.h"

#include <QMessageBox>

namespace {
const QString Titre = QStringLiteral("Lumivane");
}

bool MessageBoxPrompts::askYesNo(const QString& text) {
    return QMessageBox::question(m_parent, Titre, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

bool MessageBoxPrompts::askRetryCancel(const QString& text) {
    QMessageBox box(QMessageBox::Information, Titre, text, QMessageBox::Retry | QMessageBox::Cancel,
                    m_parent);
    return box.exec() == QMessageBox::Retry;
}

void MessageBoxPrompts::notify(const QString& text) {
    QMessageBox::information(m_parent, Titre, text);
}
