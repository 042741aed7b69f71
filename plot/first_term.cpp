// The first-term steps of zeichnen; their bodies come with the curve analysis, the point
// constructions and the result list.
#include "plot/first_term.h"

namespace plotwerk::plot {

void AddTermResultLine(FirstTermContext&, const std::string&, std::int32_t) {
  // Filled by the result-list work.
}

void AddDerivativeLines(FirstTermContext&) {
  // Filled by the result-list work.
}

void DrawIntegralArea(FirstTermContext&) {
  // Filled by the point-construction work.
}

void AnalyseFirstTerm(FirstTermContext&) {
  // Filled by the curve-analysis work.
}

void DrawAntiderivative(FirstTermContext&) {
  // Filled by the point-construction work.
}

void DrawConstructions(FirstTermContext&) {
  // Filled by the point-construction work.
}

void AddValueTable(FirstTermContext&) {
  // Filled by the result-list work.
}

void AdjustResultMemo(FirstTermContext&) {
  // Filled by the result-list work.
}

}  // namespace plotwerk::plot
