// What one run of zeichnen reports besides the picture: the result lines and the captions the
// window shows beside the fields of A and B and under the integral.
#pragma once

#include <optional>
#include <string>

#include "plot/result_list.h"

namespace plotwerk::plot {

// The captions a run wrote; one it did not write stays empty, and the window keeps what its
// label shows.
struct Captions {
  std::optional<std::string> point_b_y;  // "; yB )" after the field of B
  std::optional<std::string> point_a_y;  // "; yA )" after the field of A
  std::optional<std::string> integral;   // "= " and the definite integral
  std::optional<std::string> area;       // "= " and the area
};

// The captions as a front end shows them: the start texts, then each as the last run that wrote
// it left it.
struct ShownCaptions {
  std::string point_b_y = ";       )";
  std::string point_a_y = ";       )";
  std::string integral = "= ";
  std::string area = "= ";

  void Update(const Captions& written) {
    if (written.point_b_y) point_b_y = *written.point_b_y;
    if (written.point_a_y) point_a_y = *written.point_a_y;
    if (written.integral) integral = *written.integral;
    if (written.area) area = *written.area;
  }
};

struct Drawing {
  ResultList results;
  Captions captions;
};

}  // namespace plotwerk::plot
