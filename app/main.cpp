#include <cstdio>
#include <cstdlib>

#include "app/startup.h"

namespace {

// Qt aborts when it cannot reach a display; say so in French instead.
bool displayAvailable() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

}  // namespace

int main(int argc, char** argv) {
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "Lumova a besoin d'un écran graphique, mais aucun n'est disponible "
                     "(ni DISPLAY ni WAYLAND_DISPLAY).\n"
                     "Sur une machine sans écran, lancez-le par exemple avec : "
                     "xvfb-run -a scripts/run.sh\n");
        return 2;
    }
    return runLumova(argc, argv);
}
