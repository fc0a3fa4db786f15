#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/platform.h"

namespace {

using platform::Notification;

TEST(Notification, EveryHandlerRunsInTheOrderAdded) {
    Notification resumed;
    std::vector<int> order;
    auto first = resumed.add([&order] { order.push_back(1); });
    auto second = resumed.add([&order] { order.push_back(2); });
    resumed.fire();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

TEST(Notification, AHandlerGoesWithItsSubscription) {
    Notification resumed;
    int runs = 0;
    {
        auto subscription = resumed.add([&runs] { ++runs; });
        resumed.fire();
    }
    resumed.fire();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(resumed.size(), 0u);
}

TEST(Notification, AHandlerMayRemoveAnotherThatThenDoesNotRun) {
    Notification resumed;
    int runs = 0;
    Notification::Subscription second;
    auto first = resumed.add([&second] { second.reset(); });
    second = resumed.add([&runs] { ++runs; });
    resumed.fire();
    EXPECT_EQ(runs, 0);
}

TEST(Notification, ASubscriptionMayOutliveItsNotification) {
    auto resumed = std::make_unique<Notification>();
    auto subscription = resumed->add([] {});
    resumed.reset();
    subscription.reset();
}

TEST(Notification, AMovedSubscriptionKeepsItsHandler) {
    Notification resumed;
    int runs = 0;
    Notification::Subscription kept;
    {
        auto made = resumed.add([&runs] { ++runs; });
        kept = std::move(made);
    }
    resumed.fire();
    EXPECT_EQ(runs, 1);
}

}  // namespace
