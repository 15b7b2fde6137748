// The guard at the event boundary: no exception from a handler ever reaches the event loop.
#pragma once

#include <exception>
#include <optional>
#include <string>

#include "core/platform/RuntimeError.h"

namespace tolvane {

// Runs `handler`; returns a description of whatever it threw, or nothing when it finished.
template <typename Handler>
std::optional<std::string> RunGuarded(Handler&& handler) noexcept
{
    try {
        handler();
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return std::string("Out of memory");
    } catch (const std::exception& e) {
        return std::string(e.what());
    } catch (...) {
        return std::string("Unknown error");
    }
}

}  // namespace tolvane
