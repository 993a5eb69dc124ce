#pragma once
// Where the program starts its own threads, each named, each body in one
// wrapper. Starting one can fail (the system is out of threads or of memory
// for their stacks): that throws std::system_error, as std::thread itself
// does, and every caller turns it into a failure of its own. Anything thrown
// out of a body (std::bad_alloc above all) is caught by the wrapper and
// handed to the thread's `escaped` with its reason, on that thread, so it
// ends the thread's work as a failure, never the program. Tests plant
// refused starts and failing bodies here.
#include <atomic>
#include <exception>
#include <stop_token>
#include <string>
#include <system_error>
#include <thread>
#include <type_traits>
#include <utility>

class ThreadStart {
public:
    // Starts `body` on a new Thread (std::thread, or std::jthread whose body
    // may take its std::stop_token) named `name` (at most 15 bytes, kept
    // for the thread's life). `escaped(std::error_code)` gets the reason of
    // anything thrown out of the body; it must not throw itself.
    template <class Thread, class Body, class Escaped>
    static Thread Launch(const char* name, Body body, Escaped escaped)
    {
        throwIfPlanted();
        Thread thread;
        if constexpr (std::is_same_v<Thread, std::jthread>) {
            thread = Thread([name, body = std::move(body), escaped = std::move(escaped)](std::stop_token stop) mutable {
                Run(name, stop, [&] {
                    if constexpr (std::is_invocable_v<Body&, std::stop_token>)
                        body(stop);
                    else
                        body();
                }, escaped);
            });
        } else {
            thread = Thread([name, body = std::move(body), escaped = std::move(escaped)]() mutable {
                Run(name, {}, body, escaped);
            });
        }
        // Named from here too, so it carries its name as soon as it exists.
        Name(thread.native_handle(), name);
        return thread;
    }

    // The reason a thrown exception stands for: not enough memory for
    // std::bad_alloc, the code of a std::system_error, "state not
    // recoverable" for anything else.
    static std::error_code ReasonOf(std::exception_ptr thrown);
    // The stop token of the calling thread when ThreadStart started it as a
    // std::jthread; one that is never stopped otherwise.
    static std::stop_token CurrentStop();

    // The next `count` starts fail as the system fails them (EAGAIN); 0 undoes it.
    static void FailNext(int count);
    // The bodies of the next `count` threads named `name` throw std::bad_alloc
    // as they begin; 0 undoes it.
    static void FailBodiesOf(const std::string& name, int count);

private:
    template <class Body, class Escaped>
    static void Run(const char* name, std::stop_token stop, Body&& body, Escaped& escaped) noexcept
    {
        try {
            Begin(name, std::move(stop));
            body();
        } catch (...) {
            const std::error_code reason = ReasonOf(std::current_exception());
            try {
                escaped(reason);
            } catch (...) {
                // Nothing more can be told from here; the thread still ends quietly.
            }
        }
    }
    // Names the calling thread and keeps its stop token; throws when a
    // failing body is planted for that name.
    static void Begin(const char* name, std::stop_token stop);
    static void Name(std::thread::native_handle_type thread, const char* name);
    static void throwIfPlanted();
    static std::atomic<int> planted_;
};
