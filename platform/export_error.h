// The one exception the export layer raises: a file, encoder or printer that failed, carrying
// the platform's message for the error display.
#pragma once

#include <stdexcept>
#include <string>

namespace plotwerk::platform {

class ExportError : public std::runtime_error {
 public:
  explicit ExportError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace plotwerk::platform
