#pragma once

#include <algorithm>
#include <array>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace Core {

// A thread-safe list of non-owning observer pointers.
// Notification copies the list into a fixed snapshot and calls the observers
// without holding the lock, so an observer may add or remove observers
// (itself included) from inside a notification; the change applies from the
// next notification on.
// RemoveObserver called on another thread waits until the notifications that
// may still hold the observer in their snapshot have finished, so that an
// observer may be destroyed as soon as it has removed itself.
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
        std::unique_lock<std::mutex> lock(mutex);
        auto it = std::find(observers.begin(), observers.end(), observer);
        if (it == observers.end())
            return;
        observers.erase(it);
        // Notifications that start from now on no longer see the observer.
        const std::uint64_t removedAt = nextNotification;
        const std::thread::id self = std::this_thread::get_id();
        notificationDone.wait(lock, [&] {
            for (const Running &running : runningNotifications) {
                if (running.sequence < removedAt && running.thread != self)
                    return false;
            }
            return true;
        });
    }

    std::size_t ObserverCount() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return observers.size();
    }

    template <class R>
    void NotifyObservers(R (T::*operation)())
    {
        Snapshot snapshot;
        const Notification running(*this, snapshot);
        for (std::size_t i = 0; i < snapshot.count; ++i)
            (snapshot.entries[i]->*operation)();
    }

    template <class R, class P, class A>
    void NotifyObservers(R (T::*operation)(P), const A &argument)
    {
        Snapshot snapshot;
        const Notification running(*this, snapshot);
        for (std::size_t i = 0; i < snapshot.count; ++i)
            (snapshot.entries[i]->*operation)(argument);
    }

private:
    struct Snapshot {
        std::array<T *, kMaxObservers> entries;
        std::size_t count = 0;
    };
    struct Running {
        std::uint64_t sequence;
        std::thread::id thread;
    };
    // Registers a notification for its lifetime, also when an observer throws.
    class Notification {
    public:
        Notification(Subject &s, Snapshot &snapshot) : subject(s), sequence(s.TakeSnapshot(snapshot)) {}
        ~Notification() { subject.Finish(sequence); }
        Notification(const Notification &) = delete;
        Notification &operator=(const Notification &) = delete;

    private:
        Subject &subject;
        const std::uint64_t sequence;
    };

    std::uint64_t TakeSnapshot(Snapshot &snapshot)
    {
        std::lock_guard<std::mutex> lock(mutex);
        snapshot.count = std::min(observers.size(), snapshot.entries.size());
        std::copy_n(observers.begin(), snapshot.count, snapshot.entries.begin());
        const std::uint64_t sequence = nextNotification++;
        runningNotifications.push_back({sequence, std::this_thread::get_id()});
        return sequence;
    }

    void Finish(std::uint64_t sequence)
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            auto it = std::find_if(runningNotifications.begin(), runningNotifications.end(),
                                   [sequence](const Running &r) { return r.sequence == sequence; });
            if (it != runningNotifications.end())
                runningNotifications.erase(it);
        }
        notificationDone.notify_all();
    }

    std::vector<T *> observers;
    // Notifications in progress, to let RemoveObserver wait for them; a few
    // at most, so the vector keeps its capacity and notification allocates
    // nothing once warmed up.
    std::vector<Running> runningNotifications;
    std::uint64_t nextNotification = 0;
    mutable std::mutex mutex;
    std::condition_variable notificationDone;
};

} // namespace Core
