// Reading a project's units ahead of the one being worked on: while the add-in's code runs
// on one unit (on its own thread, as in the IDE), workers read and parse the next few, so
// a project-wide run waits on neither the disk nor the parser.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "ide/disk_module.h"

namespace ide {

class ReadAhead {
 public:
  // read(i) reads unit i of count; it runs on the workers and must touch nothing shared.
  ReadAhead(std::function<UnitFiles(size_t)> read, size_t count);
  ~ReadAhead();
  ReadAhead(const ReadAhead&) = delete;
  ReadAhead& operator=(const ReadAhead&) = delete;

  // Unit index as read, waiting for it when a worker is still at it. Units are best taken
  // in order; one taken out of order is read on the spot.
  UnitFiles Take(size_t index);

 private:
  void Work();

  std::function<UnitFiles(size_t)> read_;
  const size_t count_;
  size_t window_ = 1;  // how many units may be read beyond the one last taken

  std::mutex mutex_;
  std::condition_variable changed_;
  size_t wanted_ = 0;                                 // the first unit the caller has not taken yet
  size_t next_ = 0;                                   // the next unit for a worker
  std::map<size_t, std::optional<UnitFiles>> units_;  // empty while a worker reads it
  bool stop_ = false;
  std::vector<std::thread> workers_;
};

}  // namespace ide
