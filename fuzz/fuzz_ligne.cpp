// The command line and the environment: the mode, the preview pane's window and the X11
// host's window. The input is the command line, then a NUL, then XSCREENSAVER_WINDOW.

#include "fuzzsupport.h"
#include "startup/lignecommande.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray octets = OctetsFuzz(data, size);
    const qsizetype nul = octets.indexOf('\0');
    const QString ligne = QString::fromUtf8(nul < 0 ? octets : octets.left(nul));
    const QString variable = nul < 0 ? QString() : QString::fromUtf8(octets.mid(nul + 1));

    if (modeDe(ligne).size() > 2)
        std::abort();
    // A window id is never 0: 0 stands for the root window or for no window at all.
    if (const auto fenetre = fenetreApercu(ligne); fenetre && *fenetre == 0)
        std::abort();
    if (const auto id = identifiantFenetre(variable)) {
        if (*id == 0 || identifiantFenetre(QString::number(*id)) != id)
            std::abort();
    }
    fenetreHoteX11(ligne, variable);
    return 0;
}
