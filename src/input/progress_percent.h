// Reporting the loader's progress as a percentage and polling for Close.
#pragma once

#include <cstdint>

#include "core/progress.h"

namespace qfc {

// Sends value / total as a percentage, rounded to nearest with ties to even,
// and answers whether the user has cancelled. A zero total leaves the bar as
// it is.
[[nodiscard]] bool UpdateProgress(Progress& progress, std::int32_t value, std::int32_t total);

}  // namespace qfc
