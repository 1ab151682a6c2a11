// How long the end-to-end tests wait for the program and the X server before
// they give up. These are upper bounds that keep a broken run from hanging;
// no test measures how fast anything is.
#pragma once

#include <chrono>

namespace e2e {

using namespace std::chrono_literals;

// Xvfb writing its display number, or the program's window appearing.
inline constexpr std::chrono::milliseconds start_limit = 10s;
// The program ending after it was told to (or failing to start).
inline constexpr std::chrono::milliseconds exit_limit = 10s;
// The window's pixels settling after it is mapped.
inline constexpr std::chrono::milliseconds paint_limit = 5s;
// Time given to the program to act on input that must not end it, before
// the test looks whether it is still running.
inline constexpr std::chrono::milliseconds settle_time = 400ms;
// Pause between two looks while polling.
inline constexpr std::chrono::milliseconds poll_interval = 20ms;

} // namespace e2e
