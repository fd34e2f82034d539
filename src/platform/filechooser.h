#pragma once

#include <QString>
#include <QStringList>

// The file dialog. `filter` is in the form "Description|*.ext;*.ext2|Description 2|*.x".
// An empty `startFolder` leaves the dialog's own default folder.
struct FileDialogRequest {
    QString title;
    QString filter;
    QString startFolder;
    QString defaultName;
};

// Every operation is modal and returns once the user confirms or cancels; a cancel gives the
// empty text and nothing else. Paths use the native separator.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // Full path of the chosen file.
    virtual QString openFile(const FileDialogRequest& request) = 0;
    // One full path when one file was chosen; with several: the folder (no final separator),
    // then each name preceded by a NUL character, in the order the dialog gives them. The
    // dialog also offers to take a folder itself: then its full path, the separator last.
    virtual QString openFiles(const FileDialogRequest& request) = 0;
    // Full path of the file to write. The dialog neither asks before replacing a file nor adds
    // an extension. After a confirmed save the process's current folder is the chosen file's
    // folder, so that a bare file name given later resolves there.
    virtual QString saveFile(const FileDialogRequest& request) = 0;
};
