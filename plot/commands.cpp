#include "plot/commands.h"


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

}  // namespace

std::string countPanelText(int count) { return "Függvények száma: " + std::to_string(count); }

void Commands::showMessage(MessageType type, const std::string& text) {
  releasePanButtons();
  ui_.notifier.message(type, text);
}

void Commands::beepIfOn() {
  if (st_.settings.SoundOn) ui_.notifier.beep();
}

void Commands::recomputeViewCentre() {
  const double perStep = 8.0 / st_.view.ZoomFactor;
  st_.view.ViewCentreY = st_.view.PanStepsY * perStep;
  st_.view.ViewCentreX = st_.view.PanStepsX * perStep;
}

void Commands::clearPicture() {
  graf::clearPicture(st_, pic_, faceColor_);
  ui_.main.pictureChanged();
}

void Commands::render() {
  // In load mode the progress bar moves on once before every function drawn.
  graf::render(st_, pic_, [this] { load_.functionDrawn(); });
  ui_.main.pictureChanged();
}

// A refused input: the function counted at the start of the run is taken
// back by the deletion of the last function (which redraws the rest), then
// the user is told why.
void Commands::refuse(MessageType type, const char* text) {
  deleteLastFunction();
  beepIfOn();
  showMessage(type, text);
}

void Commands::plotRoutine() {
  RunScope scope(runDepth_);
  const auto endOfRun = [this] { load_.plotRunEnded(); };
  const auto loadProgressStep = [this] { load_.plotRunStarted(st_.table.FunctionCount); };

  bool duplicate = false;
  if (st_.table.FunctionCount < MaxFunctions) {
    ++st_.table.FunctionCount;
  } else {
    // At the maximum nothing new is registered: the table keeps its 50
    // functions, the list its 50 rows, and the picture shows all of them.
    // A redraw whose fields describe function 50 therefore changes nothing,
    // and a new function typed at the maximum is not stored.
    showMessage(MessageType::Information, "Függvényábrázolási maximum elérve!");
    recomputeViewCentre();
    loadProgressStep();
    ui_.main.setCaption("Íme a függvény");
    render();
    endOfRun();
    return;
  }
  int s = st_.table.FunctionCount;
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

  st_.table.FunctionKind[s] = ui_.main.selectedKind();
  if (st_.table.FunctionKind[s] == Kind::Linear) {
    c = 0;
    textC.clear();
  }

  if (textA.empty() && textB.empty() && textC.empty()) {
    refuse(MessageType::Warning, "A semmiből nem lehet függvényt ábrázolni!");
    endOfRun();
    return;
  }

  st_.table.CoefA[s] = a;
  st_.table.CoefB[s] = b;
  st_.table.CoefC[s] = c;
  for (int i = 1; i <= st_.table.FunctionCount - 1; ++i) {
    if (st_.table.FunctionKind[i] == st_.table.FunctionKind[s] && st_.table.CoefA[i] == a && st_.table.CoefB[i] == b &&
        st_.table.CoefC[i] == c)
      duplicate = true;
  }
  if (duplicate) {
    --st_.table.FunctionCount;
    s = st_.table.FunctionCount;
  }

  const auto outOfRange = [](double v) { return v > 100 || v < -100; };
  if (outOfRange(st_.table.CoefA[s]) || outOfRange(st_.table.CoefB[s]) || outOfRange(st_.table.CoefC[s])) {
    refuse(MessageType::Information, "Ezt még át kéne egyszer gondolni!");
  } else {
    ui_.main.setCaption("Íme a függvény");
    render();
  }
  endOfRun();
}

void Commands::plotCommand() {
  st_.flags.PictureCleared = false;
  st_.flags.PlotShown = true;
  clearPicture();
  plotRoutine();
  ui_.main.setCountPanel(countPanelText(st_.table.FunctionCount));
  if (st_.table.FunctionCount > 0) ui_.main.setDeleteLastEnabled(true);
  if (st_.table.FunctionCount != st_.flags.ListedCount) {
    st_.flags.ListedCount = st_.table.FunctionCount;
    const int n = st_.table.FunctionCount;
    if (n > 0)
      ui_.list.appendFunctionRow(n, st_.table.FunctionKind[n], st_.table.CoefA[n], st_.table.CoefB[n], st_.table.CoefC[n]);
  }
}

void Commands::kindOption(Kind kind) {
  if (kind == Kind::Linear) {
    if (!st_.flags.LinearSelected) ui_.main.setCFieldEnabled(false);
    st_.flags.LinearSelected = true;
  } else {
    if (st_.flags.LinearSelected) ui_.main.setCFieldEnabled(true);
    st_.flags.LinearSelected = false;
  }
}

void Commands::selectKind(Kind kind) {
  if (ui_.main.selectedKind() == kind) return;
  ui_.main.selectKind(kind);
  kindOption(kind);
}

}  // namespace graf
