// The program's run-time errors: a bad subscript, a 16-bit overflow, a failed platform call.
#pragma once

#include <stdexcept>
#include <string>

namespace tolvane {

enum class ErrorKind { SubscriptOutOfRange, Overflow, PlatformFailure };

// Thrown by the checked arrays and arithmetic and by the platform layer. No handler
// catches it; the guard at the event boundary reports it and abandons the handler.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(ErrorKind kind, const std::string& what) : std::runtime_error(what), kind_(kind) {}
    ErrorKind kind() const { return kind_; }

private:
    ErrorKind kind_;
};

}  // namespace tolvane
