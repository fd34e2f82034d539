#pragma once

#include <QTimer>

// The hover animations' timers: running with their interval, or stopped with interval 0.
namespace Minuterie {

// Every pointer move asks to start the animation; restarting a running timer would hold it
// back for as long as the pointer moves, so a running timer is left alone.
inline void demarrer(QTimer& minuterie, int intervalle) {
    if (minuterie.isActive() && minuterie.interval() == intervalle)
        return;
    minuterie.setInterval(intervalle);
    minuterie.start();
}

inline void arreter(QTimer& minuterie) {
    minuterie.stop();
    minuterie.setInterval(0);
}

} // namespace Minuterie
