#pragma once

#include <QtGlobal>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

namespace db {

namespace detail {

// The listeners of one event. Shared with the subscriptions, so that a
// subscription outliving its event removes nothing and crashes nothing.
template <typename Handler>
struct Listeners
{
    struct Entry
    {
        quint64 id;
        std::shared_ptr<const Handler> handler;   // null: removed while calling
    };
    std::vector<Entry> entries;
    quint64 nextId = 1;
    int calling = 0;
    bool removedWhileCalling = false;
    bool blocked = false;

    void remove(quint64 id)
    {
        for (auto it = entries.begin(); it != entries.end(); ++it) {
            if (it->id != id)
                continue;
            if (calling > 0) {
                it->handler.reset();
                removedWhileCalling = true;
            } else {
                entries.erase(it);
            }
            return;
        }
    }

    void compact()
    {
        if (std::exchange(removedWhileCalling, false))
            std::erase_if(entries, [](const Entry &entry) { return !entry.handler; });
    }
};

} // namespace detail

// One listener on an event, as add() returned it. remove() takes it off;
// after that, or once the event is gone, it does nothing.
class Subscription
{
public:
    Subscription() = default;

    void remove()
    {
        if (remover_)
            std::exchange(remover_, nullptr)();
    }

private:
    template <typename Signature>
    friend class Event;
    explicit Subscription(std::function<void()> remover) : remover_(std::move(remover)) {}
    std::function<void()> remover_;
};

template <typename Signature>
class Event;

// An event of a dataset with any number of listeners, called in the order
// they were added. Assigning a handler does not compile, so no listener
// ever replaces another unnoticed; each owner adds its own and keeps the
// subscription when it must leave before the dataset does.
template <typename Result, typename... Args>
class Event<Result(Args...)>
{
public:
    using Handler = std::function<Result(Args...)>;

    Event() = default;
    Event(const Event &) = delete;
    Event &operator=(const Event &) = delete;

    Subscription add(Handler handler)
    {
        if (!handler)
            return {};
        if (!listeners_)
            listeners_ = std::make_shared<detail::Listeners<Handler>>();
        const quint64 id = listeners_->nextId++;
        listeners_->entries.push_back({id, std::make_shared<const Handler>(std::move(handler))});
        return Subscription([weak = std::weak_ptr(listeners_), id] {
            if (const auto listeners = weak.lock())
                listeners->remove(id);
        });
    }

    bool empty() const
    {
        if (!listeners_)
            return true;
        for (const auto &entry : listeners_->entries) {
            if (entry.handler)
                return false;
        }
        return true;
    }

    // While blocked, calling the event calls nobody; returns the previous
    // setting so that a caller can restore it.
    bool setBlocked(bool blocked)
    {
        if (!listeners_)
            listeners_ = std::make_shared<detail::Listeners<Handler>>();
        return std::exchange(listeners_->blocked, blocked);
    }

    // Calls every listener. An exception (Abort from a before-event) stops
    // the round and reaches the caller.
    void operator()(Args... args) const
        requires std::is_void_v<Result>
    {
        visit([&](const Handler &handler) {
            handler(args...);
            return false;
        });
    }

    // Asks the listeners in order until one gives an answer that settles
    // the matter; that answer, or `otherwise` when none did.
    template <typename Settles, typename Answer = Result>
    Answer ask(Settles settles, Answer otherwise, Args... args) const
        requires(!std::is_void_v<Answer>)
    {
        Answer answer = otherwise;
        visit([&](const Handler &handler) {
            Answer reply = handler(args...);
            if (!settles(reply))
                return false;
            answer = std::move(reply);
            return true;
        });
        return answer;
    }

private:
    // Listeners added during a round wait for the next; those removed during
    // it are skipped.
    template <typename Call>
    void visit(Call call) const
    {
        if (!listeners_ || listeners_->entries.empty() || listeners_->blocked)
            return;
        const std::shared_ptr<detail::Listeners<Handler>> listeners = listeners_;
        struct Round
        {
            detail::Listeners<Handler> &listeners;
            explicit Round(detail::Listeners<Handler> &l) : listeners(l) { ++listeners.calling; }
            ~Round()
            {
                if (--listeners.calling == 0)
                    listeners.compact();
            }
        } round(*listeners);
        const std::size_t count = listeners->entries.size();
        for (std::size_t i = 0; i < count; ++i) {
            const std::shared_ptr<const Handler> handler = listeners->entries[i].handler;
            if (handler && call(*handler))
                return;
        }
    }

    std::shared_ptr<detail::Listeners<Handler>> listeners_;
};

} // namespace db
