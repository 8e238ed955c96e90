// What the search reads from the Find dialog on every Find Next, as an
// interface so that the search runs without widgets.
#pragma once

#include <string>

#include "core/side.h"

namespace qfc {

class FindSettings {
 public:
  virtual ~FindSettings() = default;

  // The grid to search.
  [[nodiscard]] virtual Side SearchSide() const = 0;
  [[nodiscard]] virtual bool MatchCase() const = 0;
  // The prepared value, as bytes: upper-cased unless MatchCase,
  // then wrapped in one blank each side for whole-word search. An empty box
  // gives the empty string.
  [[nodiscard]] virtual std::string FindValue() const = 0;
};

}  // namespace qfc
