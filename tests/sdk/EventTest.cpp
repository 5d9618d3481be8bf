#include "sdk/Event.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using ZOSCOPELib::Event;
using ZOSCOPELib::Subscription;

TEST(Event, DroppingTheHandleUnsubscribes)
{
    Event event;
    int calls = 0;
    {
        Subscription s = event.Subscribe([&] { ++calls; });
        event.Raise();
    }
    event.Raise();
    EXPECT_EQ(std::tuple(calls, event.SubscriberCount()), std::tuple(1, 0u));

    Subscription moved;
    {
        Subscription s = event.Subscribe([&] { ++calls; });
        moved = std::move(s);
    }
    event.Raise();
    EXPECT_EQ(calls, 2) << "a moved handle keeps the subscription";
    moved = Subscription();
    event.Raise();
    EXPECT_EQ(calls, 2) << "assigning over a handle drops its subscription";
}

TEST(Event, HandlersMayUnsubscribeThemselvesAndOthersWhileRaised)
{
    Event event;
    std::vector<int> order;
    Subscription first, second, third;
    first = event.Subscribe([&] {
        order.push_back(1);
        first.reset();  // itself
        third.reset();  // a later one: not called any more
    });
    second = event.Subscribe([&] { order.push_back(2); });
    third = event.Subscribe([&] { order.push_back(3); });
    event.Raise();
    event.Raise();
    EXPECT_EQ(order, (std::vector<int>{1, 2, 2}));
}

TEST(Event, AHandlerAddedWhileRaisingWaitsForTheNextRaise)
{
    Event event;
    int late = 0;
    std::vector<Subscription> keep;
    keep.push_back(event.Subscribe([&] {
        if (keep.size() < 3)
            keep.push_back(event.Subscribe([&] { ++late; }));
    }));
    event.Raise();
    EXPECT_EQ(late, 0);
    event.Raise();
    EXPECT_EQ(late, 1);
}

TEST(Event, ASubscriptionMayOutliveItsEvent)
{
    Subscription survivor;
    {
        auto event = std::make_unique<Event>();
        survivor = event->Subscribe([] {});
    }
    EXPECT_TRUE(survivor.active());
    survivor.reset(); // must not touch the destroyed event
    EXPECT_FALSE(survivor.active());
}
