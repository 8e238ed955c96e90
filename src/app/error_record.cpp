#include "app/error_record.h"

#include <utility>

namespace qfc {

ErrorRecord::ErrorRecord(std::int32_t number, std::string source, std::string description)
    : number_(number), source_(std::move(source)), description_(std::move(description)) {}

const char* ErrorRecord::what() const noexcept { return description_.c_str(); }

}  // namespace qfc
