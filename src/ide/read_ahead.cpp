#include "ide/read_ahead.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace ide {

ReadAhead::ReadAhead(std::function<UnitFiles(size_t)> read, size_t count)
    : read_(std::move(read)), count_(count) {
  // One worker per core but the add-in's; a single core still gets one, so reading waits
  // on the disk while the add-in works.
  const unsigned cores = std::max(2U, std::thread::hardware_concurrency());
  const size_t workers = std::min<size_t>(cores - 1, count_);
  // A few units each: enough to ride out a large form, few enough to keep memory flat.
  window_ = 2 * std::max<size_t>(workers, 1);
  for (size_t i = 0; i < workers; ++i) workers_.emplace_back([this] { Work(); });
}

ReadAhead::~ReadAhead() {
  {
    std::lock_guard guard(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

void ReadAhead::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] {
      return stop_ || (std::max(next_, wanted_) < count_ && next_ < wanted_ + window_);
    });
    if (stop_) return;
    const size_t index = std::max(next_, wanted_);
    next_ = index + 1;
    units_.emplace(index, std::nullopt);  // being read: a Take of it waits
    lock.unlock();
    UnitFiles files;
    try {
      files = read_(index);
    } catch (const std::exception& e) {
      files.err = e.what();  // out of memory on a huge file: reported like a read error
    }
    lock.lock();
    if (auto it = units_.find(index); it != units_.end()) {
      if (index < wanted_) {
        units_.erase(it);  // passed over while it was read
      } else {
        it->second = std::move(files);
      }
    }
    changed_.notify_all();
  }
}

UnitFiles ReadAhead::Take(size_t index) {
  std::unique_lock lock(mutex_);
  if (index < wanted_) {  // taken before, or passed over: read afresh
    lock.unlock();
    return read_(index);
  }
  wanted_ = index;
  // Units passed over are not needed any more; those still being read go when done.
  for (auto it = units_.begin(); it != units_.end() && it->first < index;) {
    it = it->second.has_value() ? units_.erase(it) : std::next(it);
  }
  auto it = units_.find(index);
  if (it == units_.end()) {
    wanted_ = index + 1;
    changed_.notify_all();  // the workers may move on
    lock.unlock();
    return read_(index);
  }
  changed_.wait(lock, [&] { return it->second.has_value(); });
  UnitFiles files = std::move(*it->second);
  units_.erase(it);
  wanted_ = index + 1;
  changed_.notify_all();
  return files;
}

}  // namespace ide
