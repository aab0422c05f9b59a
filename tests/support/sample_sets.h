// SPDX-License-Identifier: MIT
#pragma once
// Function-set files for tests that run the program on them: one function,
// one function of each kind, and a full table of fifty.
#include <vector>

#include "functionsets/function_set.h"

namespace graf::testing {

struct SampleFunction {
  Kind kind;
  double a, b, c;
};

inline std::vector<SampleFunction> oneFunction() { return {{Kind::Quadratic2, 0.5, 1, 3}}; }

inline std::vector<SampleFunction> fourKinds() {
  return {{Kind::Linear, 2, -1, 0},
          {Kind::Quadratic, 0.25, -1, -20},
          {Kind::Quadratic2, -0.5, 3, 10},
          {Kind::AbsoluteValue, 1.5, -4, -12}};
}

// Fifty different functions of the four kinds, within −100..100.
inline std::vector<SampleFunction> fiftyFunctions() {
  static const double values[] = {-3, -2.5, -1, -0.25, 0.5, 1, 1.75, 2, 4, 12.5};
  std::vector<SampleFunction> fns;
  for (int i = 0; i < 50; ++i) {
    const Kind kind = Kinds[static_cast<std::size_t>(i % 4)].kind;
    fns.push_back({kind, values[i % 10], values[(i / 4 + i / 40) % 10], kind == Kind::Linear ? 0 : values[(i + i / 20) % 10]});
  }
  return fns;
}

inline std::vector<std::uint8_t> setRecord(const std::vector<SampleFunction>& fns) {
  PlotState st;
  for (const SampleFunction& f : fns) {
    const int i = ++st.table.FunctionCount;
    st.table.FunctionKind[i] = f.kind;
    st.table.CoefA[i] = f.a;
    st.table.CoefB[i] = f.b;
    st.table.CoefC[i] = f.c;
  }
  return encodeFunctionSet(st.table, "minta");
}

}  // namespace graf::testing
