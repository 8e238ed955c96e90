// Arbitrary command-line tails: the parser answers two existing files or
// raises one of its three messages (or "Overflow" for a marker beyond the
// 16-bit positions, or an unknown line-end mode), and never crashes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/command_line.h"
#include "app/error_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string tail(reinterpret_cast<const char*>(data), size);
  try {
    const qfc::CommandLine parsed = qfc::ParseCmdLine(tail);
    for (qfc::Side side : qfc::kBothSides) {
      if (!parsed.files[side].Exists()) std::abort();
    }
  } catch (const qfc::ErrorRecord& error) {
    const std::string& text = error.Description();
    if (error.Source() != qfc::kCommandLineSource) std::abort();
    if (text != qfc::kMarkersMissing && text != qfc::kMissingFileTexts[qfc::Side::Left] &&
        text != qfc::kMissingFileTexts[qfc::Side::Right] && text != "Overflow" &&
        !text.starts_with("Unknown line-end mode: ")) {
      std::abort();
    }
  }
  return 0;
}
