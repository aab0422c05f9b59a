// SPDX-License-Identifier: MIT
// The function-set record decoder on any bytes, and the load sequence of the
// save/load window on a file of those bytes, in a program that already holds
// a function. A refused
// record must leave that program exactly as it was and say so; an accepted
// one must end with exactly its functions in the table, the list and the
// fields, numbers of any size, except a last function out of −100..100,
// which the load's plot run withdraws as it withdraws a typed one.
#include <cmath>
#include <cstdint>
#include <vector>

#include "functionsets/function_set.h"
#include "functionsets/load_save.h"
#include "fuzz/fuzz_support.h"
#include "plot/numtext.h"

using graf::fuzzing::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);

  graf::FunctionSet set;
  const graf::DecodeResult result = graf::decodeFunctionSet(bytes, set);
  if (result.ok()) {
    require(size == graf::kFunctionSetSize, "a record of the wrong size was accepted");
    require(set.count >= 1 && set.count <= graf::MaxFunctions, "a count outside 1..50 was accepted");
    for (int i = 1; i <= set.count; ++i) {
      require(graf::kindOfNumber(graf::kindNumber(set.kind[i])).has_value(), "a kind other than 1..4 was accepted");
      for (double v : {set.a[i], set.b[i], set.c[i]})
        require(std::isfinite(v), "a coefficient that is not a number was accepted");
    }
  } else {
    require(result.entry >= 0 && result.entry <= graf::MaxFunctions, "a defect names no entry");
  }

  graf::fuzzing::Program p;
  p.cmd.selectKind(graf::Kind::Quadratic);
  p.cmd.plotCommand({"1", "2", "3"}, graf::Kind::Quadratic);
  const graf::FunctionTable& t = p.st.table;
  require(t.FunctionCount == 1, "the program did not start with one function");
  const std::size_t messagesBefore = p.ui.messages.size();

  p.files.files["halmaz.fv"] = bytes;
  const bool loaded = p.saveLoad.loadFile("halmaz.fv");
  require(loaded == result.ok(), "the load and the decoder disagree");
  require(!p.ui.progressOpen, "the progress window stayed open");
  require(p.ui.saveEnabled == (t.FunctionCount > 0), "\"Ment\" does not follow the count");

  if (!loaded) {
    require(p.ui.messages.size() == messagesBefore + 1, "a refused record was not reported once");
    require(t.FunctionCount == 1 && t.CoefA[1] == 1 && t.CoefB[1] == 2 && t.CoefC[1] == 3 &&
                t.FunctionKind[1] == graf::Kind::Quadratic && p.ui.rows == 1,
            "a refused record changed the program");
    return 0;
  }
  // Below the maximum the load's plot run checks the last function's range.
  const int n = set.count;
  const auto out = [](double v) { return v > 100 || v < -100; };
  const auto outside = [&](int i) {
    return out(set.a[i]) || out(set.b[i]) || out(set.kind[i] == graf::Kind::Linear ? 0.0 : set.c[i]);
  };
  int kept = n < graf::MaxFunctions && outside(n) ? n - 1 : n;
  if (kept < n && kept > 0 && outside(kept)) {
    // The redraw that withdraws the last function checks the one before it
    // in the same way, so a run of such functions at the end is withdrawn.
    require(t.FunctionCount < kept, "a function out of range was left last");
    kept = t.FunctionCount;
  }
  require(t.FunctionCount == kept, "the table does not hold the loaded count");
  require(p.st.flags.ListedCount == kept && p.ui.rows == kept, "the list does not hold a row per function");
  for (int i = 1; i <= kept; ++i) {
    require(t.FunctionKind[i] == set.kind[i], "a loaded kind differs");
    require(t.CoefA[i] == set.a[i] && t.CoefB[i] == set.b[i], "a loaded coefficient differs");
    require(t.CoefC[i] == (set.kind[i] == graf::Kind::Linear ? 0.0 : set.c[i]), "a loaded C differs");
  }
  if (kept > 0) require(p.cmd.shown().kind == set.kind[kept], "the kind choice is not the last function's");
  return 0;
}
