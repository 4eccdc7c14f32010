#include "model/animation_run.h"

TAnimationRun AnimationRun;

bool TAnimationRun::followsFrame(long long frame) const {
    const long double next = valueOf(frame + 1);
    return (step > 0 && next <= last) || (step < 0 && next >= last);
}

long double playAnimation(const TAnimationRun& run, const std::function<void(long double)>& drawFrame,
                          const std::function<bool()>& keepGoing) {
    long long frame = 0;
    for (;; ++frame) {
        drawFrame(run.valueOf(frame));
        if (!run.followsFrame(frame) || !keepGoing()) break;
    }
    return run.valueOf(frame + 1);
}
