#pragma once
// A command is a coroutine: it runs until it asks a question (co_await on a prompt), the
// command line resumes it with the answer, and it ends when the coroutine returns.
#include <coroutine>
#include <exception>
#include <utility>

namespace cad::command {

class CommandTask {
public:
    struct promise_type {
        std::exception_ptr error;
        CommandTask get_return_object() { return CommandTask(Handle::from_promise(*this)); }
        std::suspend_always initial_suspend() noexcept { return {}; }
        std::suspend_always final_suspend() noexcept { return {}; }
        void return_void() noexcept {}
        void unhandled_exception() noexcept { error = std::current_exception(); }
    };
    using Handle = std::coroutine_handle<promise_type>;

    CommandTask() = default;
    explicit CommandTask(Handle h) : handle_(h) {}
    CommandTask(CommandTask&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    CommandTask& operator=(CommandTask&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, {});
        }
        return *this;
    }
    CommandTask(const CommandTask&) = delete;
    CommandTask& operator=(const CommandTask&) = delete;
    ~CommandTask() { Reset(); }

    bool Active() const { return static_cast<bool>(handle_); }

    // Runs the command to its next question; true when it has ended. An error the command
    // raised comes out here.
    bool Resume() {
        handle_.resume();
        if (!handle_.done()) return false;
        const std::exception_ptr error = handle_.promise().error;
        Reset();
        if (error) std::rethrow_exception(error);
        return true;
    }

    // Abandons the command where it stands.
    void Reset() {
        if (handle_) handle_.destroy();
        handle_ = {};
    }

private:
    Handle handle_;
};

} // namespace cad::command
