#include "platform/main_loop.h"

#include <gtest/gtest.h>

namespace gnamm::platform {
namespace {

TEST(WaitTimeout, SleepsUntilTheEarlierDeadlineOrForInput) {
    EXPECT_EQ(WaitTimeoutMs(1000, std::nullopt, std::nullopt), -1);  // nothing pending: no polling
    EXPECT_EQ(WaitTimeoutMs(1000, 1200, std::nullopt), 200);
    EXPECT_EQ(WaitTimeoutMs(1000, 1200, 1150), 150);
    EXPECT_EQ(WaitTimeoutMs(1000, 1100, 1500), 100);
    EXPECT_EQ(WaitTimeoutMs(1000, std::nullopt, 1500), 500);
    EXPECT_EQ(WaitTimeoutMs(1000, 900, std::nullopt), 0);  // overdue: fire at once
    EXPECT_EQ(WaitTimeoutMs(0, int64_t{1} << 40, std::nullopt), kMaxWaitMs);
}

}  // namespace
}  // namespace gnamm::platform
