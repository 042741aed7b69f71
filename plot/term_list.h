// The ordered list of terms the Draw command fills and zeichnen draws, each with its field.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace plotwerk::plot {

class TermList {
 public:
  void Clear() {
    terms_.clear();
    fields_.clear();
  }
  // Appends a term. `field` is the term field (1 to 4) the text came from, which gives the
  // curve its colour; 0 counts the term as coming from the field of its position in the list.
  void Add(std::string term, int field = 0) {
    terms_.push_back(std::move(term));
    fields_.push_back(field > 0 ? field : static_cast<int>(terms_.size()));
  }
  std::size_t Size() const { return terms_.size(); }
  const std::vector<std::string>& Terms() const { return terms_; }
  const std::vector<int>& Fields() const { return fields_; }

 private:
  std::vector<std::string> terms_;
  std::vector<int> fields_;
};

}  // namespace plotwerk::plot
