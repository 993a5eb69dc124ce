#pragma once
// Where the program starts its own threads. Starting one can fail (the system
// is out of threads or of memory for their stacks): that throws
// std::system_error, as std::thread itself does, and every caller must live
// with it. Tests plant such failures here.
#include <atomic>
#include <utility>

class ThreadStart {
public:
    // Constructs `Thread` (std::thread or std::jthread) from `args`.
    template <class Thread, class... Args>
    static Thread Launch(Args&&... args)
    {
        throwIfPlanted();
        return Thread(std::forward<Args>(args)...);
    }
    // The next `count` starts fail as the system fails them (EAGAIN); 0 undoes it.
    static void FailNext(int count);

private:
    static void throwIfPlanted();
    static std::atomic<int> planted_;
};
