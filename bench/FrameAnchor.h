// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>

// The anchor every panel figure is read against: one frame at 60 Hz. Counts the wall time of the timed parts
// and reports it beside the frame: "frames" is the mean time of one iteration in frames, 1 or less fits a frame.
class FrameAnchor {
public:
    explicit FrameAnchor(benchmark::State& state) : m_state(state) {}
    ~FrameAnchor() {
        constexpr double frameMs = 16.0;
        const double ms = m_timed ? std::chrono::duration<double, std::milli>(m_spent).count() / m_timed : 0.0;
        m_state.counters["wall_ms"] = ms;
        m_state.counters["frame_ms"] = frameMs;
        m_state.counters["frames"] = ms / frameMs;
    }
    template <typename Step> void time(Step&& step) {
        const auto start = std::chrono::steady_clock::now();
        step();
        m_spent += std::chrono::steady_clock::now() - start;
        ++m_timed;
    }

private:
    benchmark::State& m_state;
    std::chrono::steady_clock::duration m_spent{};
    int m_timed = 0;
};
