#pragma once
// The run of the animation of k asked for by the "Animation" window's button,
// which the graph window's paint carries out frame by frame.

#include <functional>

struct TAnimationRun {
    bool requested = false;  // the button shows "!" while its run is under way
    long double first = -5, last = 5, step = 0.1L;

    // k of frame i. Computed from the first value rather than added up, so that
    // a step too small to move a large k cannot keep the run going forever.
    long double valueOf(long long frame) const { return first + frame * step; }
    // Whether a frame follows frame i: the next k has not gone past the last.
    bool followsFrame(long long frame) const;
};

extern TAnimationRun AnimationRun;

// Calls drawFrame(k) for every frame of the run (the first always), while
// keepGoing() allows. Returns k after the last frame drawn, one step further.
long double playAnimation(const TAnimationRun& run, const std::function<void(long double)>& drawFrame,
                          const std::function<bool()>& keepGoing);
