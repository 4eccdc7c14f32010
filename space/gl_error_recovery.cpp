#include "space/gl_error_recovery.h"

GLErrorRecovery::Decision GLErrorRecovery::afterFailedFrame(Clock::time_point now) {
    if (inARow_ >= MostInARow) return {Action::GiveUp};
    ++inARow_;
    std::chrono::milliseconds delay{0};
    if (rebuilt_ && now - lastRebuild_ < LeastInterval)
        delay = std::chrono::ceil<std::chrono::milliseconds>(LeastInterval - (now - lastRebuild_));
    rebuilt_ = true;
    lastRebuild_ = now + delay;
    return {Action::Rebuild, delay};
}
