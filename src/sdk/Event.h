#pragma once

#include <functional>
#include <memory>
#include <vector>

namespace ZOSCOPELib {

namespace detail {
struct Slot {
    std::function<void()> handler;
    bool connected = true;
};
} // namespace detail

// A handle on one event subscription. Dropping it (destruction, reset or
// move-assignment) unsubscribes; it may outlive the object that raised the
// event. Move-only.
class Subscription {
public:
    Subscription() = default;
    explicit Subscription(std::shared_ptr<detail::Slot> slot) : slot_(std::move(slot)) {}
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    Subscription(Subscription&& other) noexcept = default;
    Subscription& operator=(Subscription&& other) noexcept
    {
        if (this != &other) {
            reset();
            slot_ = std::move(other.slot_);
        }
        return *this;
    }
    ~Subscription() { reset(); }

    // The handler itself stays alive until the event lets go of the slot, so
    // a handler may drop its own subscription while it runs.
    void reset()
    {
        if (slot_) {
            slot_->connected = false;
            slot_.reset();
        }
    }
    bool active() const { return slot_ && slot_->connected; }

private:
    std::shared_ptr<detail::Slot> slot_;
};

// An event without arguments: the handler reads what it needs from the object
// that raised it. Handlers may subscribe, unsubscribe and call back into the
// SDK while the event is being raised; a handler added during a raise is first
// called by the next raise, one removed during a raise is not called again.
class Event {
public:
    [[nodiscard]] Subscription Subscribe(std::function<void()> handler)
    {
        auto slot = std::make_shared<detail::Slot>();
        slot->handler = std::move(handler);
        Prune();
        slots_.push_back(slot);
        return Subscription(std::move(slot));
    }

    // Called by the implementation behind the boundary, never by its users.
    // The object that owns the event must stay alive while it raises it.
    void Raise() const
    {
        struct Depth {
            int& d;
            explicit Depth(int& depth) : d(depth) { ++d; }
            ~Depth() { --d; }
        } depth(raising_);
        const std::size_t count = slots_.size(); // late subscribers wait for the next raise
        for (std::size_t i = 0; i < count; ++i) {
            const std::shared_ptr<detail::Slot> slot = slots_[i];
            if (slot->connected && slot->handler)
                slot->handler();
        }
    }

    std::size_t SubscriberCount() const
    {
        std::size_t n = 0;
        for (const auto& s : slots_)
            n += s->connected ? 1 : 0;
        return n;
    }

private:
    void Prune()
    {
        if (raising_ == 0) // indices must stay put while a raise walks them
            std::erase_if(slots_, [](const auto& s) { return !s->connected; });
    }

    std::vector<std::shared_ptr<detail::Slot>> slots_;
    mutable int raising_ = 0;
};

} // namespace ZOSCOPELib
