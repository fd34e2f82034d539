#include "app/windowlessservices.h"

#include "platform/inisettingsstore.h"
#include "platform/lockfileinstancelock.h"

WindowlessServices createWindowlessServices() {
    return {std::make_unique<IniSettingsStore>(), std::make_unique<LockFileInstanceLock>()};
}
