#pragma once

#include "platform/filechooser.h"

class QFileDialog;
class QWidget;

// FileChooser on Qt's own file dialog (never the desktop's), with French texts, sizes and dates
// in the application's locale and headers shown whole, so that it looks and behaves the same
// everywhere.
class DialogFileChooser final : public FileChooser {
public:
    explicit DialogFileChooser(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    QString openFile(const FileDialogRequest& request) override;
    QString openFiles(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;

    // "Pictures|*.bmp;*.jpg|All|*.*" as QFileDialog name filters: "Pictures (*.bmp *.jpg)".
    // Blanks around patterns are dropped; an entry without patterns is left out.
    static QStringList nameFilters(const QString& filter);

    // The several-files result from the dialog's selected files.
    static QString joinSelection(const QStringList& files);

    // The text of the button of openFiles that takes a folder, and its object name.
    static inline const QString folderButtonText = QStringLiteral("Ajouter ce dossier");
    static inline const QString folderButtonName = QStringLiteral("ajouterDossier");

private:
    QStringList run(QFileDialog& dialog);

    QWidget* m_parent;
};
