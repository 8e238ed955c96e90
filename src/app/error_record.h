// The record in which a failure travels to the handler that reports it: a
// number, the name of the operation that raised it and the text shown to the
// user. Thrown as an exception; the number is never shown.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace qfc {

// Base of the numbers that the program gives its own errors.
inline constexpr std::int32_t kAppErrorBase = static_cast<std::int32_t>(0x80040000u);

class ErrorRecord : public std::exception {
 public:
  ErrorRecord(std::int32_t number, std::string source, std::string description);

  [[nodiscard]] std::int32_t Number() const noexcept { return number_; }
  [[nodiscard]] const std::string& Source() const noexcept { return source_; }
  [[nodiscard]] const std::string& Description() const noexcept { return description_; }

  [[nodiscard]] const char* what() const noexcept override;

 private:
  std::int32_t number_;
  std::string source_;
  std::string description_;
};

}  // namespace qfc
