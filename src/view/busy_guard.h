// Holds the window's Busy flag for the time of one grid handler, so that the
// events its own changes raise in the other grid are dropped instead of
// echoing back.
#pragma once

namespace qfc {

class BusyGuard {
 public:
  explicit BusyGuard(bool& busy) : busy_(busy) { busy_ = true; }
  // Clears rather than restores: a handler only runs while the flag is clear.
  ~BusyGuard() { busy_ = false; }

  BusyGuard(const BusyGuard&) = delete;
  BusyGuard& operator=(const BusyGuard&) = delete;

 private:
  bool& busy_;
};

}  // namespace qfc
