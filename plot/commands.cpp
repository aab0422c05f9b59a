#include "plot/commands.h"


#include "functionlist/function_row.h"
#include "plot/numtext.h"
#include "plot/render.h"

namespace graf {

namespace {

// Keeps the depth of nested plot runs for as long as a run lasts.
struct RunScope {
  int& depth;
  explicit RunScope(int& d) : depth(d) { ++depth; }
  ~RunScope() { --depth; }
};

bool isKnownKind(double kind) {
  return kind == Linear || kind == Quadratic || kind == Quadratic2 || kind == AbsoluteValue;
}

}  // namespace

std::string countPanelText(int count) { return "Függvények száma: " + std::to_string(count); }

void Commands::beepIfOn() {
  if (st_.SoundOn == 1) ui_.notifier.beep();
}

void Commands::recomputeViewCentre() {
  const double perStep = 8.0 / st_.ZoomFactor;
  st_.ViewCentreY = st_.PanStepsY * perStep;
  st_.ViewCentreX = st_.PanStepsX * perStep;
}

void Commands::clearPicture() {
  graf::clearPicture(st_, pic_, faceColor_);
  ui_.main.pictureChanged();
}

void Commands::render() {
  graf::render(st_, pic_, st_.LoadMode == 1 ? &ui_.load : nullptr);
  ui_.main.pictureChanged();
}

// A refused input: the function counted at the start of the run is taken
// back by the deletion of the last function (which redraws the rest), then
// the user is told why.
void Commands::refuse(MessageType type, const char* text) {
  deleteLastFunction();
  beepIfOn();
  ui_.notifier.message(type, text);
}

void Commands::plotRoutine() {
  RunScope scope(runDepth_);
  const auto endOfRun = [this] {
    if (st_.LoadPlotCount > 1) st_.LoadMode = 0;
  };
  const auto loadProgressStep = [this] {
    if (st_.LoadMode != 1) return;
    ui_.load.setProgressCaption("Számolás...");
    if (st_.FunctionCount > 0)
      st_.ProgressStep = static_cast<std::uint8_t>((100 - st_.ProgressPosition) / st_.FunctionCount);
    if (st_.LoadPlotCount < 2) ++st_.LoadPlotCount;
  };

  bool duplicate = false;
  if (st_.FunctionCount < MaxFunctions) {
    ++st_.FunctionCount;
  } else {
    // At the maximum nothing new is registered: the table keeps its 50
    // functions, the list its 50 rows, and the picture shows all of them.
    // A redraw whose fields describe function 50 therefore changes nothing,
    // and a new function typed at the maximum is not stored.
    ui_.notifier.message(MessageType::Information, "Függvényábrázolási maximum elérve!");
    recomputeViewCentre();
    loadProgressStep();
    ui_.main.setCaption("Íme a függvény");
    render();
    endOfRun();
    return;
  }
  int s = st_.FunctionCount;
  recomputeViewCentre();

  const std::string textA = ui_.main.fieldText(Field::A);
  const std::string textB = ui_.main.fieldText(Field::B);
  std::string textC = ui_.main.fieldText(Field::C);
  double a = 0, b = 0, c = 0;
  const bool okA = parseNumber(textA, a);
  const bool okB = parseNumber(textB, b);
  const bool okC = parseNumber(textC, c);
  if ((!textA.empty() && !okA) || (!textB.empty() && !okB) || (!textC.empty() && !okC)) {
    refuse(MessageType::Warning, "Betűkből nem lehet függvényt ábrázolni!");
    endOfRun();
    return;
  }

  loadProgressStep();

  st_.FunctionKind[s] = ui_.main.selectedKind();
  if (st_.FunctionKind[s] == Linear) {
    c = 0;
    textC.clear();
  }

  if (textA.empty() && textB.empty() && textC.empty()) {
    refuse(MessageType::Warning, "A semmiből nem lehet függvényt ábrázolni!");
    endOfRun();
    return;
  }

  st_.CoefA[s] = a;
  st_.CoefB[s] = b;
  st_.CoefC[s] = c;
  for (int i = 1; i <= st_.FunctionCount - 1; ++i) {
    if (st_.FunctionKind[i] == st_.FunctionKind[s] && st_.CoefA[i] == a && st_.CoefB[i] == b &&
        st_.CoefC[i] == c)
      duplicate = true;
  }
  if (duplicate) {
    --st_.FunctionCount;
    s = st_.FunctionCount;
  }

  const auto outOfRange = [](double v) { return v > 100 || v < -100; };
  if (outOfRange(st_.CoefA[s]) || outOfRange(st_.CoefB[s]) || outOfRange(st_.CoefC[s])) {
    refuse(MessageType::Information, "Ezt még át kéne egyszer gondolni!");
  } else {
    ui_.main.setCaption("Íme a függvény");
    render();
  }
  endOfRun();
}

void Commands::plotCommand() {
  st_.PictureCleared = 0;
  st_.PlotShown = 1;
  clearPicture();
  plotRoutine();
  ui_.main.setCountPanel(countPanelText(st_.FunctionCount));
  if (st_.FunctionCount > 0) ui_.main.setDeleteLastEnabled(true);
  if (st_.FunctionCount != st_.ListedCount) {
    st_.ListedCount = st_.FunctionCount;
    const int n = st_.FunctionCount;
    if (n > 0)
      ui_.list.appendRow(FunctionRow(n, st_.FunctionKind[n], st_.CoefA[n], st_.CoefB[n], st_.CoefC[n]));
  }
}

void Commands::kindOption(double kind) {
  if (kind == Linear) {
    if (st_.LinearSelected == 0) ui_.main.setCFieldEnabled(false);
    st_.LinearSelected = 1;
  } else {
    if (st_.LinearSelected == 1) ui_.main.setCFieldEnabled(true);
    st_.LinearSelected = 0;
  }
}

void Commands::selectKind(double kind) {
  if (!isKnownKind(kind) || ui_.main.selectedKind() == kind) return;
  ui_.main.selectKind(kind);
  kindOption(kind);
}

}  // namespace graf
