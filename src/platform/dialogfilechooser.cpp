#include "platform/dialogfilechooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

QStringList DialogFileChooser::nameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        filters.append(parts[i] + QStringLiteral(" (") + patterns + u')');
    }
    return filters;
}

namespace {
QFileDialog* makeDialog(QWidget* parent, const FileDialogRequest& r) {
    auto* d = new QFileDialog(parent, r.title, r.startFolder);
    d->setNameFilters(DialogFileChooser::nameFilters(r.filter));
    if (!r.defaultName.isEmpty())
        d->selectFile(r.defaultName);
    return d;
}
} // namespace

QString DialogFileChooser::openFile(const FileDialogRequest& request) {
    std::unique_ptr<QFileDialog> d(makeDialog(m_parent, request));
    d->setFileMode(QFileDialog::ExistingFile);
    d->setAcceptMode(QFileDialog::AcceptOpen);
    if (d->exec() != QDialog::Accepted || d->selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(d->selectedFiles().first());
}

QString DialogFileChooser::openFiles(const FileDialogRequest& request) {
    std::unique_ptr<QFileDialog> d(makeDialog(m_parent, request));
    d->setFileMode(QFileDialog::ExistingFiles);
    d->setAcceptMode(QFileDialog::AcceptOpen);
    if (d->exec() != QDialog::Accepted)
        return {};
    const QStringList files = d->selectedFiles();
    if (files.isEmpty())
        return {};
    if (files.size() == 1)
        return QDir::toNativeSeparators(files.first());
    QString result = QDir::toNativeSeparators(QFileInfo(files.first()).absolutePath());
    for (const QString& f : files)
        result += QChar(0) + QFileInfo(f).fileName();
    return result;
}

QString DialogFileChooser::saveFile(const FileDialogRequest& request) {
    std::unique_ptr<QFileDialog> d(makeDialog(m_parent, request));
    d->setFileMode(QFileDialog::AnyFile);
    d->setAcceptMode(QFileDialog::AcceptSave);
    if (d->exec() != QDialog::Accepted || d->selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(d->selectedFiles().first());
}
