#pragma once
// Runs one virtual operation on a worker thread of its own.

#include <thread>

class ThreadBase {
 public:
  ThreadBase() = default;
  // Waits for the worker; a derived class must have made its Run() return
  // (and waited, see Join) before its own members go.
  virtual ~ThreadBase();
  ThreadBase(const ThreadBase&) = delete;
  ThreadBase& operator=(const ThreadBase&) = delete;

  // Starts the worker once; later calls do nothing. False when the thread
  // cannot be created.
  bool Start();

 protected:
  virtual void Run() = 0;
  // Waits until the worker has ended (no effect when it never started).
  void Join();

 private:
  std::thread worker_;
};
