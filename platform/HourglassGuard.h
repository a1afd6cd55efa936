#pragma once
// Shows the hourglass (wait) cursor for a long operation; the cursor comes
// back when the guard goes out of scope, on every path including exceptions.

class HourglassGuard {
public:
    HourglassGuard();
    ~HourglassGuard();
    HourglassGuard(const HourglassGuard&) = delete; // one restore per override
    HourglassGuard& operator=(const HourglassGuard&) = delete;
};
