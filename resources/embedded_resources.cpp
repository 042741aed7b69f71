// Lookup of the embedded resources by name, without regard to case.
#include "resources/embedded_resources.h"

namespace plotwerk::resources {

namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Upper(a[i]) != Upper(b[i])) return false;
  }
  return true;
}

}  // namespace

std::span<const unsigned char> FindResource(std::string_view name) {
  for (std::size_t i = 0; i < kEmbeddedResourceCount; ++i) {
    if (SameName(kEmbeddedResources[i].name, name)) return {kEmbeddedResources[i].data, kEmbeddedResources[i].size};
  }
  return {};
}

}  // namespace plotwerk::resources
