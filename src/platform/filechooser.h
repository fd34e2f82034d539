#pragma once

#include <QString>
#include <QStringList>

// The file dialog. `filter` is in the form "Description|*.ext;*.ext2|Description 2|*.x".
struct FileDialogRequest {
    QString title;
    QString filter;
    QString startFolder;
    QString defaultName;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // Full path of the chosen file; empty on cancel.
    virtual QString openFile(const FileDialogRequest& request) = 0;
    // Several files: empty on cancel; one full path when one file was chosen; otherwise
    // "folder", NUL, "name", NUL, "name"... as the album commands expect.
    virtual QString openFiles(const FileDialogRequest& request) = 0;
    virtual QString saveFile(const FileDialogRequest& request) = 0;
};
