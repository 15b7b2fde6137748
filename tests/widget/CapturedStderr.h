// What a test provokes on standard error, caught so that it can be checked instead of printed.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace tolvane::testing {

// Captures standard error from construction until Take, or the end of the scope if a failed
// assertion leaves the test first.
class CapturedStderr {
public:
    CapturedStderr() { ::testing::internal::CaptureStderr(); }
    ~CapturedStderr()
    {
        if (!taken_)
            Take();
    }
    CapturedStderr(const CapturedStderr&) = delete;
    CapturedStderr& operator=(const CapturedStderr&) = delete;

    std::string Take()
    {
        taken_ = true;
        return ::testing::internal::GetCapturedStderr();
    }

private:
    bool taken_ = false;
};

}  // namespace tolvane::testing
