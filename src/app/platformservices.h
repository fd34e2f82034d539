#pragma once

#include <memory>

struct Services;

// Every real service of the running system, owned together for the whole run. Built in
// platformservices.cpp.
class PlatformServices {
public:
    virtual ~PlatformServices() = default;
    virtual Services& services() = 0;
};

// Needs the application object: some services ask it which display they run on.
std::unique_ptr<PlatformServices> createPlatformServices();
