#pragma once

#include "platform/filechooser.h"

class QWidget;

// FileChooser on QFileDialog.
class DialogFileChooser final : public FileChooser {
public:
    explicit DialogFileChooser(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    QString openFile(const FileDialogRequest& request) override;
    QString openFiles(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;

    // "Pictures|*.bmp;*.jpg|All|*.*" as QFileDialog name filters.
    static QStringList nameFilters(const QString& filter);

private:
    QWidget* m_parent;
};
