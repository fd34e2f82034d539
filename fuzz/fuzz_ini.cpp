// The settings file itself, as a user may edit it by hand, read through the store the program
// uses, then by the start-up reads of the show and the dialog.

#include "fuzzsupport.h"
#include "platform/inisettingsstore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    IniSettingsStore store(FichierFuzz(OctetsFuzz(data, size), QStringLiteral(".ini")));
    LireReglagesAuDemarrage(store);
    return 0;
}
