// SPDX-License-Identifier: MIT
// Random sequences of what a user can do in the main window and the function
// list, run on the core: typing, choosing a kind, plotting, clearing,
// deleting, the pan buttons and their timer, zoom, wheel, centre, read-out,
// axis numbers, point marking, sum, trace, settings switches and loading a
// set. While a message box is open the repeat timer may tick, as it does in
// the running program. After every step the view and the table must still
// hold together.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "functionsets/function_set.h"
#include "functionsets/load_save.h"
#include "functionlist/sum.h"
#include "fuzz/fuzz_support.h"

namespace {

using graf::fuzzing::require;

// Texts a user types, besides arbitrary bytes.
const char* const kTexts[] = {"", "0", "1", "-1", "2.5", "100", "-100", "100.01", "1e2", "0.125", "-0.005",
                              "x", ".", "e3", " 7", "1e400", "99999999", "3.14159", "-0", "50"};

struct Session {
  graf::fuzzing::Program p;
  graf::fuzzing::Input in;
  int depth = 0;

  Session(const std::uint8_t* data, std::size_t size) : in(data, size) {
    p.ui.onMessage = [](void* self) { static_cast<Session*>(self)->messageOpen(); };
    p.ui.onMessageContext = this;
  }

  bool anyPanHeld() const {
    const graf::View& v = p.st.view;
    return v.PanUpHeld || v.PanDownHeld || v.PanLeftHeld || v.PanRightHeld;
  }

  // A message box is open: no pan button may still count as held, and the
  // repeat timer may tick underneath it.
  void messageOpen() {
    require(!anyPanHeld(), "a pan button is still held while a message box is open");
    if (depth < 4 && in.below(2) == 0) {
      ++depth;
      p.cmd.repeatTick();
      --depth;
    }
  }

  std::string typed() {
    if (in.below(4) == 0) return in.text(12);
    return kTexts[in.below(static_cast<int>(std::size(kTexts)))];
  }

  void checkInvariants() const {
    const graf::FunctionTable& t = p.st.table;
    const graf::View& v = p.st.view;
    require(t.FunctionCount <= graf::MaxFunctions, "more than 50 functions");
    require(v.PanX % 32 == 0 && v.PanY % 32 == 0, "a pan offset is not a multiple of 32");
    require(v.PanX >= -160 && v.PanX <= 160, "the horizontal pan left -160..160");
    require(v.ZoomFactor == 1 || v.ZoomFactor == 2 || v.ZoomFactor == 4 || v.ZoomFactor == 8,
            "a zoom factor other than 1, 2, 4, 8");
    for (int i = 1; i <= t.FunctionCount; ++i) {
      require(graf::kindOfNumber(graf::kindNumber(t.FunctionKind[i])).has_value(), "a stored kind other than 1..4");
      // A typed function stays within −100..100; a loaded one may be larger
      // (a changed byte of a saved set), but is always a number.
      for (double c : {t.CoefA[i], t.CoefB[i], t.CoefC[i]})
        require(std::isfinite(c), "a stored coefficient that is not a number");
      if (t.FunctionKind[i] == graf::Kind::Linear) require(t.CoefC[i] == 0, "a first-degree function with a C");
    }
    require(p.ui.rows <= t.FunctionCount, "more list rows than functions");
    require(!p.cmd.shown().deleteLastEnabled || t.FunctionCount > 0, "delete-last enabled with nothing stored");
  }

  void step() {
    graf::Commands& cmd = p.cmd;
    graf::PlotState& st = p.st;
    const auto direction = [&] { return static_cast<graf::PanDirection>(in.below(4)); };
    switch (in.below(20)) {
      case 0:
        cmd.fieldEdited(graf::Field::A, typed());
        cmd.fieldEdited(graf::Field::B, typed());
        cmd.fieldEdited(graf::Field::C, typed());
        break;
      case 1: cmd.selectKind(*graf::kindOfNumber(1 + in.below(4))); break;
      case 2: cmd.plotCommand(cmd.shown().fields, cmd.shown().kind); break;
      case 3: cmd.clearAll(); break;
      case 4: cmd.clearFunctions(); break;
      case 5:
        // The button and its action are disabled with nothing to delete.
        if (p.cmd.shown().deleteLastEnabled) cmd.deleteLastFunction();
        break;
      case 6: cmd.setPanHeld(direction(), in.below(2) == 0); break;
      case 7: cmd.repeatTick(); break;
      case 8: cmd.zoomStep(); break;
      case 9: {
        const std::uint8_t m = in.byte();
        cmd.wheelTurn(m & 1, {.ctrl = (m & 2) != 0, .shift = (m & 4) != 0, .alt = (m & 8) != 0,
                              .mouseButton = (m & 16) != 0});
        break;
      }
      case 10: cmd.centre(); break;
      case 11: cmd.directionSwitch(); break;
      case 12: cmd.mouseMove(in.below(256) + in.below(138), in.below(256) + in.below(66)); break;
      case 13: cmd.pictureClick(); break;
      case 14: cmd.numberAxes(); break;
      case 15: graf::sumOfRows(cmd, {in.below(52) - 1, in.below(52) - 1}); break;
      case 16: graf::traceRow(cmd, in.below(52) - 1); break;
      case 17: st.settings.SoundOn = in.below(2) == 0; break;
      case 18: st.settings.AuxLinesOn = in.below(2) == 0; break;
      case 19: {
        // Save what is stored and load it back, or load that file with
        // some of its bytes changed by the input.
        if (st.table.FunctionCount == 0) break;  // "Ment" is disabled with nothing stored
        p.ui.comment_ = in.text(50);
        p.ui.fileName = in.below(2) == 0 ? "" : "halmaz.fv";
        const int writes = p.files.writes;
        p.saveLoad.save();
        const std::string saved = p.saveLoad.setFileName();
        require(p.files.writes == writes + 1 && p.files.exists(saved), "a save wrote no file");
        std::vector<std::uint8_t>& record = p.files.files[saved];
        require(record.size() == graf::kFunctionSetSize, "a saved set is not 1854 bytes");
        if (in.below(2) == 0)
          for (std::size_t k = 0; k < 8 && !in.empty(); ++k) record[in.u16() % record.size()] = in.byte();
        p.ui.fileName = saved;
        p.saveLoad.load();
        break;
      }
    }
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Session s(data, size);
  for (int n = 0; n < 200 && !s.in.empty(); ++n) {
    s.step();
    s.checkInvariants();
  }
  return 0;
}
