#include "input/progress_percent.h"

#include <cmath>

namespace qfc {

inline constexpr double kPercent = 100.0;

bool UpdateProgress(Progress& progress, std::int32_t value, std::int32_t total) {
  if (total != 0) {
    // nearbyint rounds in the default mode, to nearest with ties to even.
    const double percent = std::nearbyint(static_cast<double>(value) / total * kPercent);
    progress.SetProgress(static_cast<std::int32_t>(percent));
  }
  return progress.Canceled();
}

}  // namespace qfc
