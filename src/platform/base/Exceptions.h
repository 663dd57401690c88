#pragma once

// The framework's run-time errors. The application catches none of them; the
// framework's event dispatch hands them to the unhandled-exception handling.

#include <stdexcept>
#include <string>

namespace fw {

class RuntimeException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    // The error's class name as the user sees it ("NilObjectException", ...).
    [[nodiscard]] virtual const char* TypeName() const noexcept { return "RuntimeException"; }
};

class NilObjectException final : public RuntimeException {
public:
    NilObjectException() : RuntimeException("An object was used before it existed.") {}
    explicit NilObjectException(const std::string& what) : RuntimeException(what) {}
    [[nodiscard]] const char* TypeName() const noexcept override { return "NilObjectException"; }
};

class OutOfBoundsException final : public RuntimeException {
public:
    explicit OutOfBoundsException(const std::string& what) : RuntimeException(what) {}
    [[nodiscard]] const char* TypeName() const noexcept override { return "OutOfBoundsException"; }
};

class ThreadAccessingUIException final : public RuntimeException {
public:
    ThreadAccessingUIException()
        : RuntimeException(
              "A thread has attempted to manipulate a user interface element. This can only "
              "be done from the application's main thread.") {}
    [[nodiscard]] const char* TypeName() const noexcept override {
        return "ThreadAccessingUIException";
    }
};

}  // namespace fw
