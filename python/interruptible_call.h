#pragma once
// Runs a computation of the companion on a thread of its own while the
// calling Python thread, without the GIL, watches for Ctrl-C (a notebook's
// stop button sends the same signal). On an interrupt the call raises
// KeyboardInterrupt within a poll: the libraries have no way to stop a
// computation halfway, so the thread is left to finish its (capped) work in
// the background on its own copies of the inputs and its result is dropped.
// Before the interpreter exits, wait_for_abandoned_work() lets those finish,
// so that none is still running while the process tears down.

#include <pybind11/pybind11.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <thread>
#include <utility>

namespace curvix {

constexpr std::chrono::milliseconds INTERRUPT_POLL{50};

// Computations abandoned after an interrupt and still running.
std::atomic<int>& abandoned_work();

// Blocks (without the GIL) until no abandoned computation runs, or the
// timeout passes; returns how many still run.
int wait_for_abandoned_work(double timeout_seconds);

// `work` takes no arguments and owns everything it reads (captured by
// value): it may outlive the call.
template <typename Work>
auto call_interruptibly(Work work) -> decltype(work()) {
  using Result = decltype(work());
  auto task = std::make_shared<std::packaged_task<Result()>>(std::move(work));
  std::future<Result> result = task->get_future();
  std::thread worker([task] { (*task)(); });
  bool interrupted = false;
  {
    pybind11::gil_scoped_release released;
    while (result.wait_for(INTERRUPT_POLL) != std::future_status::ready) {
      pybind11::gil_scoped_acquire held;
      if (PyErr_CheckSignals() != 0) {
        interrupted = true;
        break;
      }
    }
  }
  if (interrupted) {
    ++abandoned_work();
    std::thread([task, worker = std::move(worker)]() mutable {
      worker.join();
      --abandoned_work();
    }).detach();
    throw pybind11::error_already_set();
  }
  worker.join();
  return result.get();
}

}  // namespace curvix
