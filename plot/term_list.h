// The ordered list of terms the Draw command fills and zeichnen walks, with its read cursor.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace plotwerk::plot {

class TermList {
 public:
  void Clear() {
    terms_.clear();
    cursor_ = 0;
  }
  // Appends and advances the cursor, so a freshly filled list is at its end.
  void Add(std::string term) {
    terms_.push_back(std::move(term));
    ++cursor_;
  }
  void Rewind() { cursor_ = 0; }
  bool AtEnd() const { return cursor_ >= terms_.size(); }
  // The term at the cursor, then the cursor moves on; past the end the empty text.
  std::string Next() {
    if (AtEnd()) return {};
    return terms_[cursor_++];
  }
  std::size_t Size() const { return terms_.size(); }
  const std::vector<std::string>& Terms() const { return terms_; }

 private:
  std::vector<std::string> terms_;
  std::size_t cursor_ = 0;
};

}  // namespace plotwerk::plot
