#include "platform/timer.h"

#include <gtest/gtest.h>

#include "platform/application.h"

using namespace platform;

namespace {

class TimerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetApplication();
    auto clock = std::make_unique<ManualClock>();
    clock_ = clock.get();
    Application().SetClock(std::move(clock));
  }
  void TearDown() override { ResetApplication(); }
  ManualClock* clock_ = nullptr;
};

}  // namespace

TEST_F(TimerTest, FiresOnceEachIntervalOfTheApplicationClock) {
  TTimer timer;
  int ticks = 0;
  timer.SetInterval(5 * 60000);
  timer.SetOnTimer([&](TObject* sender) {
    EXPECT_EQ(sender, &timer);
    ++ticks;
  });
  clock_->Advance(5 * 60000 - 1);
  Application().ProcessMessages();
  EXPECT_EQ(ticks, 0);
  clock_->Advance(1);
  Application().ProcessMessages();
  EXPECT_EQ(ticks, 1);
  // A timer that fell behind fires once, then keeps its period from now.
  clock_->Advance(3 * 5 * 60000);
  Application().ProcessMessages();
  EXPECT_EQ(ticks, 2);
  EXPECT_EQ(Application().NextTimerDueInMs(), 5 * 60000);
}

TEST_F(TimerTest, AHandlerMayFreeItsOwnTimerAndOthers) {
  // The start-up pattern: the first tick removes the timer that fired it.
  auto startup = std::make_unique<TTimer>();
  auto other = std::make_unique<TTimer>();
  int startup_ticks = 0;
  int other_ticks = 0;
  startup->SetInterval(1000);
  other->SetInterval(1000);
  startup->SetOnTimer([&](TObject*) {
    ++startup_ticks;
    startup->SetEnabled(false);
    startup.reset();
    other.reset();
  });
  other->SetOnTimer([&](TObject*) { ++other_ticks; });
  clock_->Advance(1000);
  Application().ProcessMessages();
  clock_->Advance(1000);
  Application().ProcessMessages();
  EXPECT_EQ(startup_ticks, 1);
  EXPECT_EQ(other_ticks, 0);
  EXPECT_EQ(startup, nullptr);
}

TEST_F(TimerTest, RunningTheLoopForAWhileFiresEachTimerAsItFallsDue) {
  auto startup = std::make_unique<TTimer>();
  TTimer autosave;
  std::vector<int64_t> saves;
  int startups = 0;
  startup->SetOnTimer([&](TObject*) {
    ++startups;
    startup.reset();  // one-shot: the first tick removes it
  });
  autosave.SetInterval(5 * 60000);
  autosave.SetOnTimer([&](TObject*) { saves.push_back(clock_->NowMs()); });
  Application().RunFor(11 * 60000);
  EXPECT_EQ(startups, 1);
  EXPECT_EQ(saves, (std::vector<int64_t>{5 * 60000, 10 * 60000}));
  EXPECT_EQ(clock_->NowMs(), 11 * 60000);
}
