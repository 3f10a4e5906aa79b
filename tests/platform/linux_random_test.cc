#include "platform/linux/linux_random.h"

#include <gtest/gtest.h>

#include <vector>

namespace airvane {
namespace {

std::vector<int> Draws(LinuxRandom& random, int count) {
    std::vector<int> out;
    for (int i = 0; i < count; ++i)
        out.push_back(random.Draw());
    return out;
}

TEST(LinuxRandom, SameSeedSameDrawsAcrossTheWholeRange) {
    LinuxRandom a;
    LinuxRandom b;
    a.Seed(1234);
    b.Seed(1234);
    std::vector<int> first = Draws(a, 2000);
    EXPECT_EQ(first, Draws(b, 2000));

    int low = Random::kMax;
    int high = 0;
    for (int v : first) {
        ASSERT_GE(v, 0);
        ASSERT_LE(v, Random::kMax);
        low = std::min(low, v);
        high = std::max(high, v);
    }
    // Draws cover the range, not a part of it.
    EXPECT_LT(low, 500);
    EXPECT_GT(high, Random::kMax - 500);

    a.Seed(1234);
    EXPECT_EQ(Draws(a, 10), std::vector<int>(first.begin(), first.begin() + 10));
    a.Seed(1235);
    EXPECT_NE(Draws(a, 10), std::vector<int>(first.begin(), first.begin() + 10));
}

TEST(LinuxRandom, UnseededDrawsAsSeedOne) {
    LinuxRandom unseeded;
    LinuxRandom seeded;
    seeded.Seed(1);
    EXPECT_EQ(Draws(unseeded, 20), Draws(seeded, 20));
}

}  // namespace
}  // namespace airvane
