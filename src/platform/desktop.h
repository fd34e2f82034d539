#pragma once

#include <QString>

// Hands a file or a web page to the program the user's desktop associates with it.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual bool openFile(const QString& path) = 0;
    virtual bool openWebPage(const QString& url) = 0;
};
