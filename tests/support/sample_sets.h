#pragma once
// Function-set files for tests that run the program on them: one function,
// one function of each kind, and a full table of fifty.
#include <vector>

#include "functionsets/function_set.h"

namespace graf::testing {

struct SampleFunction {
  double kind, a, b, c;
};

inline std::vector<SampleFunction> oneFunction() { return {{Quadratic2, 0.5, 1, 3}}; }

inline std::vector<SampleFunction> fourKinds() {
  return {{Linear, 2, -1, 0}, {Quadratic, 0.25, -1, -20}, {Quadratic2, -0.5, 3, 10}, {AbsoluteValue, 1.5, -4, -12}};
}

// Fifty different functions of the four kinds, within −100..100.
inline std::vector<SampleFunction> fiftyFunctions() {
  static const double values[] = {-3, -2.5, -1, -0.25, 0.5, 1, 1.75, 2, 4, 12.5};
  std::vector<SampleFunction> fns;
  for (int i = 0; i < 50; ++i) {
    const double kind = 1.0 + i % 4;
    fns.push_back({kind, values[i % 10], values[(i / 4 + i / 40) % 10], kind == Linear ? 0 : values[(i + i / 20) % 10]});
  }
  return fns;
}

inline std::vector<std::uint8_t> setRecord(const std::vector<SampleFunction>& fns) {
  PlotState st;
  for (const SampleFunction& f : fns) {
    const int i = ++st.FunctionCount;
    st.FunctionKind[i] = f.kind;
    st.CoefA[i] = f.a;
    st.CoefB[i] = f.b;
    st.CoefC[i] = f.c;
  }
  return encodeFunctionSet(st, "minta");
}

}  // namespace graf::testing
