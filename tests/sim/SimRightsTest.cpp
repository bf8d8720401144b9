// The rights profiles that zelDispHisiNewMenuUserListGet reports per user.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "tests/sim/DeviceCalls.h"

namespace {

using namespace simtest;

TEST(Rights, test_each_profile_denies_exactly_its_rights) {
    struct Case {
        const char* name;
        std::vector<int> denied;  // every other right is 1
        bool allDenied;
    };
    const Case cases[] = {
        {"admin", {}, false},
        {"no-network", {19}, false},
        {"no-info", {7}, false},
        {"guest", {}, true},
    };
    SimRecorder recorder;
    std::vector<std::int32_t> ids;
    for (const Case& c : cases) {
        const std::int32_t user = zsimUserId(c.name);
        ASSERT_GE(user, 0) << c.name;
        ids.push_back(user);
        std::uint8_t rights[64 + 1];
        std::memset(rights, 0x77, sizeof rights);
        ASSERT_EQ(zelDispHisiNewMenuUserListGet(recorder.handle(), user, rights), 0) << c.name;
        for (int i = 0; i < 64; ++i) {
            const bool denied =
                c.allDenied || std::find(c.denied.begin(), c.denied.end(), i) != c.denied.end();
            EXPECT_EQ(rights[i], denied ? 0 : 1) << c.name << " right " << i;
        }
        EXPECT_EQ(rights[64], 0x77) << c.name << " writes past the 64 rights";
    }
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::unique(ids.begin(), ids.end()), ids.end());
}

TEST(Rights, test_unknown_user_fails_and_unknown_name_has_no_id) {
    SimRecorder recorder;
    EXPECT_EQ(zsimUserId("Admin"), -1);
    EXPECT_EQ(zsimUserId(nullptr), -1);
    for (std::int32_t user : {-1, 4, 1000, INT32_MIN}) {
        std::vector<std::uint8_t> rights(64, 0x77);
        EXPECT_LT(zelDispHisiNewMenuUserListGet(recorder.handle(), user, rights.data()), 0) << user;
        EXPECT_EQ(rights, std::vector<std::uint8_t>(64, 0x77)) << user;
    }
    EXPECT_LT(zelDispHisiNewMenuUserListGet(recorder.handle(), 0, nullptr), 0);
}

}  // namespace
