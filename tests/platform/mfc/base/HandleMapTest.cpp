#include <gtest/gtest.h>

#include <memory>

#include "mfc/base/HandleMap.h"

namespace {

// Stands for a class-library object: it holds a handle and tells whether it is still alive.
struct Holder {
    Holder(int held, bool* alive) : handle(held), alive(alive) { *alive = true; }
    ~Holder() { *alive = false; }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;
    int handle;
    bool* alive;
};

using Map = qelt::HandleMap<int, Holder>;

TEST(HandleMap, ARetiredTemporaryObjectStaysValidUntilTheNextIsMade) {
    const struct {
        const char* what;
        bool attachedElsewhere;  // else the handle is deleted
    } kCases[] = {{"attached elsewhere", true}, {"deleted", false}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        bool temporaryAlive = false, nextAlive = false, ownerAlive = false;
        Map map([](Holder& holder) { holder.handle = 0; });
        Holder* temporary = map.FindOrMake(7, [&] { return std::make_unique<Holder>(7, &temporaryAlive); });
        ASSERT_NE(temporary, nullptr);
        EXPECT_EQ(map.FindOrMake(7, [] { return std::unique_ptr<Holder>(); }), temporary);

        Holder owner(7, &ownerAlive);
        if (c.attachedElsewhere) {
            map.Attach(7, &owner);
        } else {
            map.Retire(7);
        }
        EXPECT_EQ(map.Find(7), c.attachedElsewhere ? &owner : nullptr);
        EXPECT_TRUE(temporaryAlive);
        EXPECT_EQ(temporary->handle, 0);

        // A handle that gets no object frees nothing; the next temporary object does.
        EXPECT_EQ(map.FindOrMake(8, [] { return std::unique_ptr<Holder>(); }), nullptr);
        EXPECT_TRUE(temporaryAlive);
        EXPECT_NE(map.FindOrMake(9, [&] { return std::make_unique<Holder>(9, &nextAlive); }), nullptr);
        EXPECT_FALSE(temporaryAlive);
        EXPECT_TRUE(ownerAlive);
    }
}

}  // namespace
