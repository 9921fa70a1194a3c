// How long a test waits for another process to reach a point (a file made,
// a line said, a run ended) before it gives up; the preloaded shim that
// holds simhost at a point (tests/hold_lock.cpp) waits as long for its go.
#pragma once

namespace halcyon::test {

inline constexpr int kLongestWaitMs = 10000;

}  // namespace halcyon::test
