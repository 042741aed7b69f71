// The result list: the text lines (code page 1252) that one run of zeichnen reports.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace plotwerk::plot {

class ResultList {
 public:
  void Clear() { lines_.clear(); }
  void Add(std::string line) { lines_.push_back(std::move(line)); }
  std::size_t Count() const { return lines_.size(); }
  const std::vector<std::string>& Lines() const { return lines_; }
  const std::string& operator[](std::size_t i) const { return lines_[i]; }

 private:
  std::vector<std::string> lines_;
};

}  // namespace plotwerk::plot
