#pragma once

#include "veille/showlauncher.h"

#include <QProcess>
#include <QStringList>

// `program arguments` as a child process; it gets SIGTERM when its parent dies, even killed.
class ChildShowLauncher final : public ShowLauncher {
    Q_OBJECT
public:
    ChildShowLauncher(QString program, QStringList arguments, QObject* parent = nullptr);
    ~ChildShowLauncher() override;

    void start() override;
    void stop() override;
    bool running() const override;

private:
    QProcess m_process;
};
