#pragma once
// A window's timer as its state holds it (radiolink::Timer) runs as a
// QTimer.
#include "link/WindowState.h"

#include <QTimer>

namespace radiolink::ui {

// Runs `timer` as `state` says: stopped while disabled or at interval 0 (a
// timer of interval 0 never fires), started when its interval changes; a
// running timer keeps its phase.
inline void FollowTimer(QTimer& timer, const Timer& state) {
    if (!state.Enabled || state.Interval <= 0) {
        timer.stop();
    } else if (!timer.isActive() || timer.interval() != state.Interval) {
        timer.start(state.Interval);
    }
}

} // namespace radiolink::ui
