#pragma once

// Test doubles of the platform services, and a bundle that hands them out as Services.

#include "desktop/desktopwallpaper.h"
#include "hote/windowhost.h"
#include "pictures/pictures.h"
#include "pictures/qtpictures.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/filechooser.h"
#include "platform/inisettingsstore.h"
#include "platform/instancelock.h"
#include "platform/prompts.h"
#include "platform/randomsource.h"
#include "platform/registrybackend.h"
#include "platform/services.h"
#include "platform/stdrandomsource.h"
#include "veille/idlesetup.h"
#include "veille/showlauncher.h"

#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QQueue>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <memory>

// A real INI store in a temporary folder.
class TempSettingsStore final : public SettingsStore {
public:
    TempSettingsStore();
    QString read(const QString& s, const QString& k, const QString& d = {}) const override {
        return m_store->read(s, k, d);
    }
    ConcurrentReader concurrentReader() const override { return m_store->concurrentReader(); }
    void write(const QString& s, const QString& k, const QString& v) override {
        m_store->write(s, k, v);
    }
    void removeKey(const QString& s, const QString& k) override { m_store->removeKey(s, k); }
    void removeSection(const QString& s) override { m_store->removeSection(s); }
    void beginBatch() override { m_store->beginBatch(); }
    void endBatch() override { m_store->endBatch(); }
    bool writeFailed() const override { return m_store->writeFailed(); }
    QString fileName() const { return m_store->fileName(); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<IniSettingsStore> m_store;
};

// Answers questions from a script (Yes when the script is empty) and records every text.
class ScriptedPrompts final : public Prompts {
public:
    QQueue<bool> answers;
    QStringList asked;                 // every text shown, in order
    QStringList kinds;                 // "yesno", "retrycancel", "notice"
    std::function<void()> whileAsking; // runs while a question is open

    bool askYesNo(const QString& text) override { return take(text, QStringLiteral("yesno")); }
    bool askRetryCancel(const QString& text) override {
        return take(text, QStringLiteral("retrycancel"));
    }
    void notify(const QString& text) override {
        asked << text;
        kinds << QStringLiteral("notice");
    }

private:
    bool take(const QString& text, const QString& kind) {
        asked << text;
        kinds << kind;
        if (whileAsking)
            whileAsking();
        return answers.isEmpty() ? true : answers.dequeue();
    }
};

// Returns scripted results (empty, like a cancel, when the script is empty).
class ScriptedFileChooser final : public FileChooser {
public:
    QQueue<QString> results;
    QList<FileDialogRequest> requests;
    QStringList calls; // "open", "openMany", "save"

    QString openFile(const FileDialogRequest& r) override {
        return take(r, QStringLiteral("open"));
    }
    QString openFiles(const FileDialogRequest& r) override {
        return take(r, QStringLiteral("openMany"));
    }
    QString saveFile(const FileDialogRequest& r) override {
        return take(r, QStringLiteral("save"));
    }

private:
    QString take(const FileDialogRequest& r, const QString& call) {
        requests << r;
        calls << call;
        return results.isEmpty() ? QString() : results.dequeue();
    }
};

class RecordingWallpaper final : public DesktopWallpaper {
public:
    QStringList given;
    bool succeed = true;
    bool setWallpaper(const QString& path) override {
        given << path;
        return succeed;
    }
};

class RecordingDesktop final : public Desktop {
public:
    QStringList files, pages;
    bool openFile(const QString& path) override {
        files << path;
        return true;
    }
    bool browser = true; // false: no browser can be started
    bool openWebPage(const QString& url) override {
        pages << url;
        return browser;
    }
};

class FixedClock final : public Clock {
public:
    QDateTime at = QDateTime(QDate(2026, 12, 7), QTime(10, 0)); // a Monday
    QDateTime now() const override { return at; }
};

// Plays back `values` in a loop, or a seeded engine when none are given.
class ScriptedRandom final : public RandomSource {
public:
    QList<float> values;
    int seeds = 0;
    void seedFromClock() override { ++seeds; }
    float next() override;

private:
    qsizetype m_next = 0;
    StdRandomSource m_engine;
};

// The real pictures, except that a decode off the UI thread waits for a permit from the test:
// the test decides how far a background build gets.
class GatedPictures final : public Pictures {
public:
    mutable QSemaphore permits;
    QImage load(const QString& p) const override { return m_real.load(p); }
    QImage loadFitted(const QString& p, const QSize& b) const override {
        if (QThread::currentThread() != QCoreApplication::instance()->thread())
            permits.acquire();
        return m_real.loadFitted(p, b);
    }
    QSize size(const QString& p) const override { return m_real.size(p); }
    bool saveBmp(const QImage& i, const QString& p, QString* e) const override {
        return m_real.saveBmp(i, p, e);
    }

private:
    QtPictures m_real;
};

class FakeInstanceLock final : public InstanceLock {
public:
    bool other = false;
    int asked = 0;
    int released = 0;
    bool anotherInstanceRunning() override {
        ++asked;
        return other;
    }
    void release() override { ++released; }
};

// A show that counts its starts and runs until stopped.
class RecordingShow final : public ShowLauncher {
public:
    int started = 0;
    bool on = false;
    void start() override { on = ++started > 0; }
    void stop() override {
        if (std::exchange(on, false))
            emit finished();
    }
    bool running() const override { return on; }
};

// A session as its fields say; the autostart entry would run a program that does nothing.
class FakeIdleSetup final : public IdleSetup {
public:
    bool answers = true, host = false;
    std::optional<DesktopIdleAction> action;
    RecordingShow spectacle;
    bool idleSourceAnswers() override { return answers; }
    bool hostRunning() override { return host; }
    std::optional<DesktopIdleAction> desktopAction() override { return action; }
    QString program() override { return QStringLiteral("/bin/true"); }
    ShowLauncher& show() override { return spectacle; }
};

// Values by (root, lower-case subkey, lower-case name); every open and query is recorded.
class FakeRegistry final : public RegistryBackend {
public:
    QMap<QString, QByteArray> values; // key: "root|subkey|name"
    QStringList opened;
    int closed = 0;

    void set(Handle root, const QByteArray& subKey, const QByteArray& name, const QByteArray& v);
    long openKey(Handle root, const QByteArray& subKey, Handle* opened) override;
    long queryString(Handle key, const QByteArray& name, QByteArray& buffer,
                     std::uint32_t& length) override;
    void closeKey(Handle) override { ++closed; }

private:
    QStringList m_keys; // handle - 1 -> "root|subkey"
};

class FakeWindowHost final : public WindowHost {
public:
    QMap<quintptr, QSize> windows;
    QList<quintptr> embedded;
    QSize clientSize(quintptr w) const override { return windows.value(w, QSize()); }
    bool embed(QWidget&, quintptr w) override {
        if (!windows.contains(w))
            return false;
        embedded << w;
        return true;
    }
};

// Replaces what a scripted double gives next.
template <typename T> void fixer(QQueue<T>& file, const QList<T>& valeurs) {
    file.clear();
    file.append(valeurs);
}

// Every double at hand, and the Services struct over them.
struct TestServices {
    TempSettingsStore settings;
    FakeRegistry registry;
    FakeInstanceLock instance;
    QtPictures pictures;
    FakeWindowHost windowHost;
    FixedClock clock;
    ScriptedRandom random;
    ScriptedPrompts prompts;
    ScriptedFileChooser files;
    RecordingDesktop desktop;
    RecordingWallpaper wallpaper;
    FakeIdleSetup idle;
    Services services{settings, registry, instance, pictures, windowHost, clock,
                      random,   prompts,  files,    desktop,  wallpaper,  idle};
};
