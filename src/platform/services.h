#pragma once

class Clock;
class Desktop;
class DesktopWallpaper;
class FileChooser;
class IdleSetup;
class InstanceLock;
class Pictures;
class Prompts;
class RandomSource;
class RegistryBackend;
class SettingsStore;
class WindowHost;

// The outside world as the forms see it. `main` creates the real services once; a test builds
// the same struct with doubles. Nobody owns anything through it.
struct Services {
    SettingsStore& settings;
    RegistryBackend& registry;
    InstanceLock& instance;
    Pictures& pictures;
    WindowHost& windowHost;
    Clock& clock;
    RandomSource& random;
    Prompts& prompts;
    FileChooser& files;
    Desktop& desktop;
    DesktopWallpaper& wallpaper;
    IdleSetup& idle;
};
