#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <mutex>
#include <vector>

namespace Core {

// A thread-safe list of non-owning observer pointers.
// Notification copies the list into a fixed snapshot and calls the observers
// without holding the list lock, so an observer may add or remove observers
// (itself included) from inside a notification; the change applies from the
// next notification on.
// Removal from another thread waits for a notification in progress to end,
// so once RemoveObserver has returned the removed observer is not running and
// will not be called: it may be destroyed at once.
template <class T>
class Subject {
public:
    // Notification snapshots live on the stack; registrations beyond this are refused.
    static constexpr std::size_t kMaxObservers = 16;

    Subject() = default;
    Subject(const Subject &) = delete;
    Subject &operator=(const Subject &) = delete;
    virtual ~Subject() = default;

    // Returns false when the observer could not be added because the list is full.
    // An observer already present is left where it is (and counts as added).
    bool AddObserver(T *observer)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (std::find(observers.begin(), observers.end(), observer) != observers.end())
            return true;
        if (observers.size() >= kMaxObservers)
            return false;
        observers.push_back(observer);
        return true;
    }

    void RemoveObserver(T *observer)
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            auto it = std::find(observers.begin(), observers.end(), observer);
            if (it == observers.end())
                return;
            observers.erase(it);
        }
        // A notification running on this thread holds the delivery lock
        // already (it is recursive); one on another thread is waited for.
        std::lock_guard<std::recursive_mutex> barrier(delivery);
    }

    std::size_t ObserverCount() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return observers.size();
    }

    template <class R>
    void NotifyObservers(R (T::*operation)())
    {
        std::lock_guard<std::recursive_mutex> delivering(delivery);
        Snapshot snapshot;
        const std::size_t count = TakeSnapshot(snapshot);
        for (std::size_t i = 0; i < count; ++i)
            (snapshot[i]->*operation)();
    }

    template <class R, class P, class A>
    void NotifyObservers(R (T::*operation)(P), const A &argument)
    {
        std::lock_guard<std::recursive_mutex> delivering(delivery);
        Snapshot snapshot;
        const std::size_t count = TakeSnapshot(snapshot);
        for (std::size_t i = 0; i < count; ++i)
            (snapshot[i]->*operation)(argument);
    }

private:
    using Snapshot = std::array<T *, kMaxObservers>;

    std::size_t TakeSnapshot(Snapshot &snapshot) const
    {
        std::lock_guard<std::mutex> lock(mutex);
        const std::size_t count = std::min(observers.size(), snapshot.size());
        std::copy_n(observers.begin(), count, snapshot.begin());
        return count;
    }

    std::vector<T *> observers;
    mutable std::mutex mutex;
    // Held while observers run; never while the list lock is taken.
    std::recursive_mutex delivery;
};

} // namespace Core
