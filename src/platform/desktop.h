#pragma once

#include <QString>

// Hands a file or a web page to the program the user's desktop associates with it.
class Desktop {
public:
    virtual ~Desktop() = default;
    // False when no program could be started for it (no browser, no associated program); a
    // program that starts and then fails on its own is not seen.
    virtual bool openFile(const QString& path) = 0;
    virtual bool openWebPage(const QString& url) = 0;
};
