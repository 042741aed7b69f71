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
    fields_.clear();
    cursor_ = 0;
  }
  // Appends and advances the cursor, so a freshly filled list is at its end. `field` is the
  // term field (1 to 4) the text came from, which gives the curve its colour; 0 counts the
  // term as coming from the field of its position in the list.
  void Add(std::string term, int field = 0) {
    terms_.push_back(std::move(term));
    fields_.push_back(field > 0 ? field : static_cast<int>(terms_.size()));
    ++cursor_;
  }
  void Rewind() { cursor_ = 0; }
  bool AtEnd() const { return cursor_ >= terms_.size(); }
  // The term at the cursor, then the cursor moves on; past the end the empty text.
  std::string Next() {
    if (AtEnd()) return {};
    return terms_[cursor_++];
  }
  // The field of the term Next() returned last (0 before the first).
  int LastField() const { return cursor_ > 0 && cursor_ <= fields_.size() ? fields_[cursor_ - 1] : 0; }
  std::size_t Size() const { return terms_.size(); }
  const std::vector<std::string>& Terms() const { return terms_; }
  const std::vector<int>& Fields() const { return fields_; }

 private:
  std::vector<std::string> terms_;
  std::vector<int> fields_;
  std::size_t cursor_ = 0;
};

}  // namespace plotwerk::plot
