// A Progress that records every call and presses Close on a chosen Canceled.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/progress.h"

namespace qfc::test {

class ProgressDouble final : public Progress {
 public:
  // The Canceled call (1-based) from which on the user has pressed Close; 0 never.
  explicit ProgressDouble(long cancelAtCall = 0) : cancelAtCall_(cancelAtCall) {}

  void InitProgress(std::int32_t phase) override { phases.push_back(phase); }
  void SetProgress(std::int32_t percent) override { percents.push_back(percent); }
  void SetProgressText(std::string_view text) override { texts.emplace_back(text); }
  void SetProgComplete() override { ++completes; }
  bool Canceled() override {
    ++canceledCalls;
    return cancelAtCall_ != 0 && canceledCalls >= cancelAtCall_;
  }

  std::vector<std::int32_t> phases;
  std::vector<std::int32_t> percents;
  std::vector<std::string> texts;
  int completes = 0;
  long canceledCalls = 0;

 private:
  long cancelAtCall_;
};

}  // namespace qfc::test
