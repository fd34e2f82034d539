#include "platform/dialogfilechooser.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMimeDatabase>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeView>
#include <algorithm>

namespace {

// Qt's file model writes sizes, dates and the folders' type in the system's locale and
// language, whatever the application's: the detail view writes them again in the application's,
// which is French whatever the user's. A delegate and not a proxy model: the dialog matches the
// names typed in its name field against its own model's indexes, and a proxy's indexes never
// match them, so every typed name but the first was dropped.
class TextesLocaux final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const auto* fichiers = qobject_cast<const QFileSystemModel*>(index.model());
        if (!fichiers)
            return;
        const bool dossier = fichiers->isDir(index);
        switch (index.column()) {
        case 1:
            option->text = dossier ? QString() : QLocale().formattedDataSize(fichiers->size(index));
            break;
        case 2:
            if (dossier)
                option->text =
                    QMimeDatabase().mimeTypeForName(QStringLiteral("inode/directory")).comment();
            break;
        case 3:
            option->text = QLocale().toString(fichiers->lastModified(index), QLocale::ShortFormat);
            break;
        default:
            break;
        }
    }
};

// The detail view's columns are sized for short English headers; French ones would be cut. The
// dialog widens, when it must, so that every column shows without scrolling.
void colonnesEntieres(QFileDialog& d) {
    const auto* vue = d.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!vue)
        return;
    QHeaderView* entete = vue->header();
    int total = 0;
    for (int i = 0; i < entete->count(); ++i) {
        const int largeur = std::max(entete->sectionSize(i), entete->sectionSizeHint(i));
        if (i + 1 < entete->count())
            entete->resizeSection(i, largeur);
        total += i + 1 < entete->count() ? largeur : entete->sectionSizeHint(i);
    }
    const int manque = total - vue->viewport()->width();
    if (manque > 0)
        d.resize(d.width() + manque, d.height());
}

void configurer(QFileDialog& d, const FileDialogRequest& r, QFileDialog::AcceptMode mode) {
    d.setOption(QFileDialog::DontUseNativeDialog);
    if (auto* vue = d.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        auto* textes = new TextesLocaux(vue);
        for (int colonne = 1; colonne <= 3; ++colonne)
            vue->setItemDelegateForColumn(colonne, textes);
    }
    d.setWindowTitle(r.title);
    d.setAcceptMode(mode);
    d.setLabelText(QFileDialog::Accept, mode == QFileDialog::AcceptOpen
                                            ? QStringLiteral("Ouvrir")
                                            : QStringLiteral("Enregistrer"));
    d.setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    d.setLabelText(QFileDialog::LookIn, QStringLiteral("Regarder dans :"));
    d.setLabelText(QFileDialog::FileName, QStringLiteral("Nom du fichier :"));
    d.setLabelText(QFileDialog::FileType, QStringLiteral("Types de fichiers :"));
    if (!r.startFolder.isEmpty())
        d.setDirectory(QDir::fromNativeSeparators(r.startFolder));
    const QStringList filtres = DialogFileChooser::nameFilters(r.filter);
    if (!filtres.isEmpty())
        d.setNameFilters(filtres);
    if (!r.defaultName.isEmpty())
        d.selectFile(r.defaultName);
}

} // namespace

QStringList DialogFileChooser::nameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(u';'))
            if (!p.trimmed().isEmpty())
                patterns.append(p.trimmed());
        if (!patterns.isEmpty())
            filters.append(parts[i].trimmed() + QStringLiteral(" (") + patterns.join(u' ') + u')');
    }
    return filters;
}

QString DialogFileChooser::joinSelection(const QStringList& files) {
    if (files.isEmpty())
        return {};
    if (files.size() == 1)
        return QDir::toNativeSeparators(files.first());
    QString result = QDir::toNativeSeparators(QFileInfo(files.first()).absolutePath());
    for (const QString& f : files)
        result += QChar(0) + QFileInfo(f).fileName();
    return result;
}

QStringList DialogFileChooser::run(QFileDialog& d) {
    d.setWindowModality(Qt::ApplicationModal);
    // Once shown: the view's width is known only then.
    QTimer::singleShot(0, &d, [&d] { colonnesEntieres(d); });
    if (d.exec() != QDialog::Accepted)
        return {};
    return d.selectedFiles();
}

QString DialogFileChooser::openFile(const FileDialogRequest& request) {
    QFileDialog d(m_parent ? m_parent : QApplication::activeWindow());
    configurer(d, request, QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    const QStringList files = run(d);
    return files.isEmpty() ? QString() : QDir::toNativeSeparators(files.first());
}

QString DialogFileChooser::openFiles(const FileDialogRequest& request) {
    QFileDialog d(m_parent ? m_parent : QApplication::activeWindow());
    configurer(d, request, QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFiles);
    // A folder is taken whole: the one selected in the list or typed, else the one shown.
    QString dossier;
    if (auto* boutons = d.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))) {
        QPushButton* b = boutons->addButton(folderButtonText, QDialogButtonBox::ActionRole);
        b->setObjectName(folderButtonName);
        b->setToolTip(QStringLiteral("Ajoute à l'album ce dossier et ses sous-dossiers : leurs "
                                     "photos y seront recherchées à chaque démarrage"));
        b->setAutoDefault(false);
        QObject::connect(b, &QPushButton::clicked, &d, [&d, &dossier] {
            const QStringList choisis = d.selectedFiles();
            dossier = choisis.size() == 1 && QFileInfo(choisis.first()).isDir()
                          ? choisis.first()
                          : d.directory().absolutePath();
            d.reject();
        });
    }
    const QString fichiers = joinSelection(run(d));
    if (dossier.isEmpty())
        return fichiers;
    dossier = QDir::toNativeSeparators(QDir::cleanPath(dossier));
    return dossier.endsWith(QDir::separator()) ? dossier : dossier + QDir::separator();
}

QString DialogFileChooser::saveFile(const FileDialogRequest& request) {
    QFileDialog d(m_parent ? m_parent : QApplication::activeWindow());
    configurer(d, request, QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setOption(QFileDialog::DontConfirmOverwrite);
    d.setDefaultSuffix(QString());
    const QStringList files = run(d);
    if (files.isEmpty())
        return {};
    const QFileInfo chosen(files.first());
    QDir::setCurrent(chosen.absolutePath());
    return QDir::toNativeSeparators(chosen.absoluteFilePath());
}
