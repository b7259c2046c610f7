// The one owner of move-only handles: every handle it took is closed
// exactly once, whatever moves it went through.
#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

#include "framework/COwned.h"

namespace {

std::vector<int> closed;

struct FakeKind {
    using Handle = int;
    static Handle Empty() { return -1; }
    static bool Close(Handle h) {
        closed.push_back(h);
        return h != 13;  // 13 fails to close
    }
};
using Owned = COwned<FakeKind>;

TEST(Owned, ClosesEachHandleOnceThroughMovesAndResets) {
    closed.clear();
    {
        Owned a(1), b(2), empty;
        EXPECT_FALSE(empty.IsSet());
        Owned c(std::move(a));  // a lets go
        EXPECT_FALSE(a.IsSet());
        EXPECT_EQ(1, c.Get());
        b = std::move(c);  // b's 2 is closed, 1 moves on
        EXPECT_EQ((std::vector<int>{2}), closed);
        b = std::move(b);  // moving onto itself keeps it
        EXPECT_EQ(1, b.Get());
        EXPECT_TRUE(b.Reset(3));   // closes 1
        EXPECT_FALSE(empty.Reset());  // nothing to close
        EXPECT_EQ(3, b.Release());    // not closed: the caller has it now
        Owned failing(13);
        EXPECT_FALSE(failing.Reset());  // Close's own answer
    }
    EXPECT_EQ((std::vector<int>{2, 1, 13}), closed);
}

TEST(Owned, TheBorrowedTwinClosesNothing) {
    closed.clear();
    {
        COwned<FakeKind, false> borrowed(4), other(5);
        EXPECT_FALSE(borrowed.Reset(6));  // 4 belongs to someone else
        other = std::move(borrowed);
        EXPECT_EQ(6, other.Get());
        const COwned<FakeKind, false> copy(other);  // as WTL's handles copy
        EXPECT_EQ(6, copy.Get());
        EXPECT_EQ(6, other.Get());
    }
    EXPECT_TRUE(closed.empty());
    static_assert(std::is_copy_assignable<COwned<FakeKind, false>>::value, "a borrowed handle copies");
    static_assert(!std::is_copy_constructible<Owned>::value && !std::is_copy_assignable<Owned>::value,
                  "an owner never copies: it would close twice");
}

}  // namespace
