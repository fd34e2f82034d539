#pragma once

#include <QString>
#include <cstdio>

// `line` and a line break on `stream`, in the locale's encoding: the messages of the starts that
// open no window (help, version, the idle watcher's and the host's errors).
inline void printLine(const QString& line, std::FILE* stream = stdout) {
    std::fputs((line + u'\n').toLocal8Bit().constData(), stream);
}
