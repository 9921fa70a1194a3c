// Runs a piece of a test on a thread with a small stack, so that code which
// recurses once per element of a long list overflows it and the test fails.
#pragma once

#include <pthread.h>

#include <functional>

namespace halcyon::test {

inline void RunOnSmallStack(const std::function<void()>& work, size_t stackBytes = 512 * 1024) {
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setstacksize(&attributes, stackBytes);
  pthread_t thread;
  auto run = [](void* argument) -> void* {
    (*static_cast<const std::function<void()>*>(argument))();
    return nullptr;
  };
  if (pthread_create(&thread, &attributes, run, const_cast<std::function<void()>*>(&work)) == 0) {
    pthread_join(thread, nullptr);
  } else {
    work();
  }
  pthread_attr_destroy(&attributes);
}

}  // namespace halcyon::test
