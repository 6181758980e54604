// The clock timers run on: real time in the CLI, a hand-advanced one in tests.
#pragma once

#include <cstdint>

namespace platform {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start; never goes back.
  virtual int64_t NowMs() const = 0;
  // Lets ms milliseconds pass: a real clock sleeps, a hand-driven one moves on.
  virtual void Sleep(int64_t ms) = 0;
};

class SystemClock : public Clock {
 public:
  int64_t NowMs() const override;
  void Sleep(int64_t ms) override;
};

class ManualClock : public Clock {
 public:
  int64_t NowMs() const override { return now_; }
  void Sleep(int64_t ms) override { Advance(ms); }
  // Moves time forward by ms (negative values are ignored).
  void Advance(int64_t ms) {
    if (ms > 0) now_ += ms;
  }

 private:
  int64_t now_ = 0;
};

}  // namespace platform
