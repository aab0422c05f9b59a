// SPDX-License-Identifier: MIT
// Saving and loading back: decode(encode(x)) == x for every set the program
// can hold. Coefficients in hundredths come back exactly; any other value in
// −100..100 comes back as its two-decimal text reads, within half a
// hundredth, and a second save and load of what was loaded changes nothing.
// A comment of at most 50 Windows-1250 characters comes back unchanged.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "functionsets/function_set.h"
#include "fuzz/fuzz_support.h"
#include "plot/numtext.h"

using graf::fuzzing::require;

namespace {

// A coefficient in −100..100: usually a whole number of hundredths, at times
// any double of the range.
double coefficient(graf::fuzzing::Input& in, bool& exact) {
  if (in.below(4) != 0) {
    exact = true;
    return (static_cast<int>(in.u16() % 20001) - 10000) / 100.0;
  }
  const double v = in.rawDouble();
  exact = false;
  return std::isfinite(v) ? std::fmod(v, 100.0) : 0.0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  graf::fuzzing::Input in(data, size);
  graf::FunctionTable st;
  st.FunctionCount = static_cast<std::uint8_t>(1 + in.below(graf::MaxFunctions));
  std::vector<bool> exact(3 * (graf::MaxFunctions + 1), true);
  for (int i = 1; i <= st.FunctionCount; ++i) {
    st.FunctionKind[i] = *graf::kindOfNumber(1 + in.below(4));
    bool e[3];
    st.CoefA[i] = coefficient(in, e[0]);
    st.CoefB[i] = coefficient(in, e[1]);
    st.CoefC[i] = st.FunctionKind[i] == graf::Kind::Linear ? 0.0 : coefficient(in, e[2]);
    if (st.FunctionKind[i] == graf::Kind::Linear) e[2] = true;
    for (int k = 0; k < 3; ++k) exact[3 * i + k] = e[k];
  }
  // The comment: Windows-1250 bytes, as a file holds them.
  const std::string commentBytes = in.text(graf::kCommentCapacity);
  const std::string comment = graf::decodeWindows1250(commentBytes);

  const std::vector<std::uint8_t> record = graf::encodeFunctionSet(st, comment);
  require(record.size() == graf::kFunctionSetSize, "a saved record is not 1854 bytes");
  graf::FunctionSet set;
  require(graf::decodeFunctionSet(record, set).ok(), "a saved record is refused");
  require(set.count == st.FunctionCount, "the count changed");
  require(set.comment == comment, "the comment changed");
  require(set.countText == std::to_string(st.FunctionCount), "the count text is not the count");

  graf::FunctionTable loaded;
  loaded.FunctionCount = st.FunctionCount;
  for (int i = 1; i <= st.FunctionCount; ++i) {
    require(set.kind[i] == st.FunctionKind[i], "a kind changed");
    const double before[3] = {st.CoefA[i], st.CoefB[i], st.CoefC[i]};
    const double after[3] = {set.a[i], set.b[i], set.c[i]};
    const std::string* texts[3] = {&set.aText[i], &set.bText[i], &set.cText[i]};
    for (int k = 0; k < 3; ++k) {
      require(*texts[k] == graf::twoDecimals(before[k]), "a coefficient text is not the two-decimal text");
      if (exact[3 * i + k])
        require(after[k] == before[k], "a coefficient in hundredths changed");
      else
        require(std::fabs(after[k] - before[k]) <= 0.005 + 1e-13, "a coefficient moved by more than rounding");
    }
    loaded.FunctionKind[i] = set.kind[i];
    loaded.CoefA[i] = set.a[i];
    loaded.CoefB[i] = set.b[i];
    loaded.CoefC[i] = set.c[i];
  }
  // What was loaded saves and loads again without any change. (The bytes may
  // differ where a tiny negative value was written "-0.00": it loads as 0.)
  graf::FunctionSet again;
  require(graf::decodeFunctionSet(graf::encodeFunctionSet(loaded, set.comment), again).ok(),
          "a second save is refused");
  require(again.comment == set.comment, "the comment changed on the second save");
  for (int i = 1; i <= st.FunctionCount; ++i)
    require(again.kind[i] == set.kind[i] && again.a[i] == set.a[i] && again.b[i] == set.b[i] &&
                again.c[i] == set.c[i],
            "a second save and load changed a function");
  return 0;
}
