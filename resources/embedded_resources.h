// Named raw-data resources carried by the program, looked up by name without regard to case.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace plotwerk::resources {

struct EmbeddedResource {
  const char* name;
  const unsigned char* data;
  std::size_t size;
};

// The table of resources, generated at build time.
extern const EmbeddedResource kEmbeddedResources[];
extern const std::size_t kEmbeddedResourceCount;

// The bytes of the named resource; empty when there is none of that name.
std::span<const unsigned char> FindResource(std::string_view name);

}  // namespace plotwerk::resources
