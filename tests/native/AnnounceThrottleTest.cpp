// When a live region's changes are announced: at once, then at most once a
// second, and the last change always.
#include <gtest/gtest.h>

#include "framework/AnnounceThrottle.h"

namespace {

TEST(AnnounceThrottle, AFloodIsAnnouncedOnceASecondAndItsLastStateAlways) {
    AnnounceThrottle t;
    const std::uint32_t start = 0xFFFFFE00u;  // the tick count wraps in the middle
    EXPECT_TRUE(t.Changed(start));
    EXPECT_FALSE(t.Pending());
    EXPECT_FALSE(t.Changed(start + 10));
    EXPECT_FALSE(t.Changed(start + 400));
    EXPECT_TRUE(t.Pending());
    EXPECT_EQ(600u, t.DueIn(start + 400));
    EXPECT_FALSE(t.Due(start + 900));  // a timer that came early
    EXPECT_TRUE(t.Due(start + 1000));
    EXPECT_FALSE(t.Pending());
    EXPECT_FALSE(t.Due(start + 3000));  // nothing waits: nothing to say
    EXPECT_TRUE(t.Changed(start + 3000));  // a quiet second: at once again
}

}  // namespace
