#include "cli/command_options.h"

#include <charconv>
#include <optional>
#include <vector>

#include "cli/quoted_name.h"

namespace qfc::cli {
namespace {

[[nodiscard]] bool ParseContext(std::string_view text, int& context) {
  const auto result = std::from_chars(text.data(), text.data() + text.size(), context);
  return result.ec == std::errc{} && result.ptr == text.data() + text.size() && context >= 0;
}

[[nodiscard]] CommandOptions Misuse(std::string message) {
  CommandOptions options;
  options.action = CommandAction::Misuse;
  options.misuse = std::move(message);
  return options;
}

constexpr std::string_view kColorOption = "--color";

[[nodiscard]] std::optional<ColorWhen> ColorWhenNamed(std::string_view name) {
  if (name == "auto") return ColorWhen::Auto;
  if (name == "always") return ColorWhen::Always;
  if (name == "never") return ColorWhen::Never;
  return std::nullopt;
}

}  // namespace

CommandOptions ParseCommandOptions(std::span<const std::string_view> args) {
  CommandOptions options;
  std::vector<std::string_view> operands;
  std::vector<std::string_view> labels;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      operands.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help") {
      options.action = CommandAction::Help;
      return options;
    } else if (arg == "--version") {
      options.action = CommandAction::Version;
      return options;
    } else if (arg == "--rows") {
      options.rows = true;
    } else if (arg == "--label" || arg.starts_with("--label=")) {
      if (labels.size() == 2) return Misuse("too many file label options");
      if (arg == "--label") {
        if (i + 1 == args.size()) return Misuse("option '--label' requires an argument");
        labels.push_back(args[++i]);
      } else {
        labels.push_back(arg.substr(std::string_view("--label=").size()));
      }
    } else if (arg == "--word-diff") {
      options.wordDiff = true;
    } else if (arg == kColorOption) {
      options.color = ColorWhen::Auto;
    } else if (arg.starts_with(kColorOption) && arg[kColorOption.size()] == '=') {
      const std::string_view value = arg.substr(kColorOption.size() + 1);
      const std::optional<ColorWhen> when = ColorWhenNamed(value);
      if (!when) return Misuse("invalid argument '" + std::string(value) + "' for '--color'");
      options.color = *when;
    } else if (arg.starts_with(kLineEndOption)) {
      const std::string_view value = arg.substr(kLineEndOption.size());
      const std::optional<LineEndMode> mode = LineEndModeNamed(value);
      if (!mode) {
        CommandOptions unknown = Misuse(UnknownLineEndModeText(value));
        unknown.action = CommandAction::UnknownLineEndMode;
        return unknown;
      }
      options.lineEnds = *mode;
    } else if (arg == "-U" || arg.starts_with("--unified=") ||
               (arg.starts_with("-U") && arg.size() > 2)) {
      std::string_view value;
      if (arg == "-U") {
        if (i + 1 == args.size()) return Misuse("option requires an argument -- 'U'");
        value = args[++i];
      } else {
        value = arg.substr(arg.starts_with("--") ? std::string_view("--unified=").size() : 2);
      }
      if (!ParseContext(value, options.context)) {
        return Misuse("invalid context length '" + std::string(value) + "'");
      }
    } else {
      return Misuse("unrecognized option '" + std::string(arg) + "'");
    }
  }
  if (operands.empty()) return Misuse("missing operand");
  if (operands.size() == 1)
    return Misuse("missing operand after '" + std::string(operands[0]) + "'");
  if (operands.size() > 2) return Misuse("extra operand '" + std::string(operands[2]) + "'");
  for (Side side : kBothSides) {
    options.paths[side] = operands[Index(side)];
    // A label is written as given; a path, quoted where it needs it.
    options.labels[side] = Index(side) < labels.size() ? std::string(labels[Index(side)])
                                                        : QuotedName(operands[Index(side)]);
  }
  return options;
}

bool UseColor(const CommandOptions& options, bool outputIsTerminal) {
  switch (options.color) {
    case ColorWhen::Always:
      return true;
    case ColorWhen::Never:
      return false;
    case ColorWhen::Auto:
      return outputIsTerminal;
    case ColorWhen::Unset:
      break;
  }
  return options.wordDiff && outputIsTerminal;
}

}  // namespace qfc::cli
