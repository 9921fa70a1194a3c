// Test runner. The cockpit module keeps process-wide state (the systems load
// once per process, as in the simulator), so every test runs in a process of
// its own: under CTest one test per invocation, and when the binary is run by
// hand, one forked child per test, whether all of them or those a filter
// (--gtest_filter) selects.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

// GoogleTest's wildcards: '*' any text, '?' any one character.
bool MatchesPattern(std::string_view name, std::string_view pattern) {
  if (pattern.empty()) return name.empty();
  if (pattern.front() == '*') {
    for (size_t skip = 0; skip <= name.size(); ++skip) {
      if (MatchesPattern(name.substr(skip), pattern.substr(1))) return true;
    }
    return false;
  }
  if (name.empty() || (pattern.front() != '?' && pattern.front() != name.front())) return false;
  return MatchesPattern(name.substr(1), pattern.substr(1));
}

bool MatchesAny(std::string_view name, std::string_view patterns) {
  for (;;) {
    const size_t colon = patterns.find(':');
    if (MatchesPattern(name, patterns.substr(0, colon))) return true;
    if (colon == std::string_view::npos) return false;
    patterns.remove_prefix(colon + 1);
  }
}

// A filter as GoogleTest reads it: patterns to run, then after a '-' the
// patterns to leave out; no patterns to run means all.
bool Selected(const std::string& name, std::string_view filter) {
  const size_t dash = filter.find('-');
  std::string_view positive = filter.substr(0, dash);
  if (positive.empty()) positive = "*";
  if (!MatchesAny(name, positive)) return false;
  return dash == std::string_view::npos || !MatchesAny(name, filter.substr(dash + 1));
}

std::vector<std::string> SelectedTestNames(const std::string& filter) {
  const bool disabledToo = GTEST_FLAG_GET(also_run_disabled_tests);
  std::vector<std::string> names;
  const testing::UnitTest& unit = *testing::UnitTest::GetInstance();
  for (int i = 0; i < unit.total_test_suite_count(); ++i) {
    const testing::TestSuite& suite = *unit.GetTestSuite(i);
    for (int j = 0; j < suite.total_test_count(); ++j) {
      const testing::TestInfo& info = *suite.GetTestInfo(j);
      const std::string name = std::string(suite.name()) + "." + info.name();
      if (!disabledToo && name.find("DISABLED_") != std::string::npos) continue;
      if (Selected(name, filter)) names.push_back(name);
    }
  }
  return names;
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  const std::vector<std::string> names = SelectedTestNames(GTEST_FLAG_GET(filter));
  // One test (as CTest runs them) or none: in this process.
  if (names.size() <= 1) return RUN_ALL_TESTS();

  int passed = 0;
  int failed = 0;
  std::vector<std::string> failures;
  for (const std::string& name : names) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
      GTEST_FLAG_SET(filter, name);
      _exit(RUN_ALL_TESTS());
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
      ++passed;
    } else {
      ++failed;
      failures.push_back(name);
    }
  }
  for (const std::string& name : failures) std::printf("FAILED: %s\n", name.c_str());
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
