// SPDX-License-Identifier: MIT
// Random sequences of what a user can do in the main window and the function
// list, run on the core: typing, choosing a kind, plotting, clearing,
// deleting, the pan buttons and their timer, zoom, wheel, centre, read-out,
// axis numbers, point marking, sum, trace, settings switches, saving a set
// and loading it back (at times damaged). While a message box is open the
// repeat timer may tick, as it does in the running program. After every step
// the view and the table must still hold together.
//
// The input is read as a structure: each step is an action chosen from the
// end of the input and its arguments (typed texts, coordinates, bytes to
// damage) taken by FuzzedDataProvider, so that every mutation is a different
// but still meaningful sequence of steps.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "functionlist/sum.h"
#include "functionsets/function_set.h"
#include "functionsets/load_save.h"
#include "fuzz/fuzz_support.h"

namespace {

using graf::fuzzing::require;

// Texts a user types, besides arbitrary bytes.
const char* const kTexts[] = {"", "0", "1", "-1", "2.5", "100", "-100", "100.01", "1e2", "0.125", "-0.005",
                              "x", ".", "e3", " 7", "1e400", "99999999", "3.14159", "-0", "50"};

enum class Action : std::uint8_t {
  Type, ChooseKind, Plot, ClearAll, ClearFunctions, DeleteLast, PanButton, Tick, Zoom, Wheel, Centre,
  DirectionSwitch, MouseMove, Click, NumberAxes, Sum, Trace, Sound, AuxLines, SaveAndLoad,
  kMaxValue = SaveAndLoad
};

// Longer sequences reach no state that a shorter one does not; they only
// make each input slower.
constexpr int kMaxSteps = 64;

struct Session {
  graf::fuzzing::Program p;
  FuzzedDataProvider in;
  int depth = 0;
  // Which stored functions came from a file: a set written by another copy
  // of the program or by hand may hold coefficients that typing refuses.
  std::array<bool, graf::MaxFunctions + 1> fromFile{};

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
    if (depth < 4 && in.ConsumeBool()) {
      ++depth;
      p.cmd.repeatTick();
      --depth;
    }
  }

  std::string typed() {
    if (in.ConsumeIntegralInRange(0, 3) == 0) return in.ConsumeRandomLengthString(12);
    return in.PickValueInArray(kTexts);
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
      for (double c : {t.CoefA[i], t.CoefB[i], t.CoefC[i]}) {
        require(std::isfinite(c), "a stored coefficient is not finite");
        require(fromFile[i] || (c >= -100 && c <= 100), "a typed coefficient outside -100..100 was stored");
      }
      if (t.FunctionKind[i] == graf::Kind::Linear) require(t.CoefC[i] == 0, "a first-degree function with a C");
    }
    require(p.ui.rows <= t.FunctionCount, "more list rows than functions");
    require(!p.cmd.shown().deleteLastEnabled || t.FunctionCount > 0, "delete-last enabled with nothing stored");
  }

  // Save what is stored and load it back, or load that file with some of
  // its bytes changed by the input.
  void saveAndLoad() {
    graf::PlotState& st = p.st;
    if (st.table.FunctionCount == 0) return;  // "Ment" is disabled with nothing stored
    p.ui.comment_ = in.ConsumeRandomLengthString(50);
    p.ui.fileName = in.ConsumeBool() ? "" : "halmaz.fv";
    const int writes = p.files.writes;
    p.saveLoad.save();
    const std::string saved = p.saveLoad.setFileName();
    require(p.files.writes == writes + 1 && p.files.exists(saved), "a save wrote no file");
    std::vector<std::uint8_t>& record = p.files.files[saved];
    require(record.size() == graf::kFunctionSetSize, "a saved set is not 1854 bytes");
    const int damaged = in.ConsumeIntegralInRange(0, 8);
    for (int k = 0; k < damaged; ++k)
      record[in.ConsumeIntegralInRange<std::size_t>(0, record.size() - 1)] = in.ConsumeIntegral<std::uint8_t>();
    p.ui.fileName = saved;
    const std::vector<std::uint8_t> bytes = record;
    const int countBefore = st.table.FunctionCount;
    p.saveLoad.load();
    graf::FunctionSet set;
    if (graf::decodeFunctionSet(bytes, set).ok()) {
      fromFile.fill(true);
    } else {
      require(st.table.FunctionCount == countBefore, "a refused set changed the number of functions");
    }
  }

  void step() {
    graf::Commands& cmd = p.cmd;
    graf::PlotState& st = p.st;
    const int countBefore = st.table.FunctionCount;
    const auto direction = [&] { return static_cast<graf::PanDirection>(in.ConsumeIntegralInRange(0, 3)); };
    const auto row = [&] { return in.ConsumeIntegralInRange(-1, 50); };
    switch (in.ConsumeEnum<Action>()) {
      case Action::Type:
        cmd.fieldEdited(graf::Field::A, typed());
        cmd.fieldEdited(graf::Field::B, typed());
        cmd.fieldEdited(graf::Field::C, typed());
        break;
      case Action::ChooseKind: cmd.selectKind(*graf::kindOfNumber(in.ConsumeIntegralInRange(1, 4))); break;
      case Action::Plot: cmd.plotCommand(cmd.shown().fields, cmd.shown().kind); break;
      case Action::ClearAll: cmd.clearAll(); break;
      case Action::ClearFunctions: cmd.clearFunctions(); break;
      case Action::DeleteLast:
        // The button and its action are disabled with nothing to delete.
        if (cmd.shown().deleteLastEnabled) cmd.deleteLastFunction();
        break;
      case Action::PanButton: cmd.setPanHeld(direction(), in.ConsumeBool()); break;
      case Action::Tick: cmd.repeatTick(); break;
      case Action::Zoom: cmd.zoomStep(); break;
      case Action::Wheel: {
        const std::uint8_t m = in.ConsumeIntegral<std::uint8_t>();
        cmd.wheelTurn(m & 1, {.ctrl = (m & 2) != 0, .shift = (m & 4) != 0, .alt = (m & 8) != 0,
                              .mouseButton = (m & 16) != 0});
        break;
      }
      case Action::Centre: cmd.centre(); break;
      case Action::DirectionSwitch: cmd.directionSwitch(); break;
      case Action::MouseMove: {
        // Over the picture.
        const int x = in.ConsumeIntegralInRange(0, graf::Raster::Width - 1);
        const int y = in.ConsumeIntegralInRange(0, graf::Raster::Height - 1);
        cmd.mouseMove(x, y);
        break;
      }
      case Action::Click: cmd.pictureClick(); break;
      case Action::NumberAxes: cmd.numberAxes(); break;
      case Action::Sum: {
        const int first = row(), second = row();
        graf::sumOfRows(cmd, {first, second});
        break;
      }
      case Action::Trace: graf::traceRow(cmd, row()); break;
      case Action::Sound: st.settings.SoundOn = in.ConsumeBool(); break;
      case Action::AuxLines: st.settings.AuxLinesOn = in.ConsumeBool(); break;
      case Action::SaveAndLoad: saveAndLoad(); return;
    }
    // A function added by any other step was typed or computed.
    for (int i = countBefore + 1; i <= st.table.FunctionCount; ++i) fromFile[i] = false;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Session s(data, size);
  for (int n = 0; n < kMaxSteps && s.in.remaining_bytes() > 0; ++n) {
    s.step();
    s.checkInvariants();
  }
  return 0;
}
