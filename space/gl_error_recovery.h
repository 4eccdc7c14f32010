#pragma once
// When a frame leaves an OpenGL error, the space window builds its whole
// drawing again. An error that comes back every frame must not make it rebuild
// without end: at most once a second, at most three times in a row.

#include <chrono>

class GLErrorRecovery {
public:
    using Clock = std::chrono::steady_clock;

    enum class Action { Rebuild, GiveUp };
    struct Decision {
        Action action;
        std::chrono::milliseconds delay{0};  // before rebuilding
    };

    // After a frame that left an error, at `now`.
    Decision afterFailedFrame(Clock::time_point now);
    // After a frame without error: the count of rebuilds in a row starts again.
    void afterGoodFrame() { inARow_ = 0; }

    static constexpr int MostInARow = 3;
    static constexpr std::chrono::milliseconds LeastInterval{1000};

private:
    int inARow_ = 0;
    bool rebuilt_ = false;
    Clock::time_point lastRebuild_;
};
