// SPDX-License-Identifier: MIT
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

std::string selectionLabelText(const std::vector<int>& rows) {
  std::string label = "Kiválasztott függvények: ";
  for (int r : rows) label += " " + std::to_string(r + 1) + " ";
  return label;
}

void Commands::shownChanged(unsigned parts) {
  if (mainWindow_) mainWindow_->shownChanged(shown_, parts);
}

void Commands::setCaption(const std::string& text) {
  shown_.caption = text;
  shownChanged(kShownCaption);
}

void Commands::setCountText(const std::string& text) {
  shown_.countText = text;
  shownChanged(kShownCount);
}

void Commands::setDeleteLastEnabled(bool enabled) {
  shown_.deleteLastEnabled = enabled;
  shownChanged(kShownDeleteLast);
}

void Commands::setReadout(const std::string& x, const std::string& y) {
  shown_.readoutX = x;
  shown_.readoutY = y;
  shownChanged(kShownReadout);
}

void Commands::setZoomText(const std::string& text) {
  shown_.zoomText = text;
  shownChanged(kShownZoom);
}

void Commands::setPictureCursor(PictureCursor cursor) {
  shown_.cursor = cursor;
  shownChanged(kShownCursor);
}

void Commands::pictureChanged() {
  ++shown_.pictureVersion;
  shownChanged(kShownPicture);
}

void Commands::fieldEdited(Field f, const std::string& text) {
  shown_.fields[static_cast<std::size_t>(f)] = text;
}

void Commands::showMessage(MessageType type, const std::string& text) {
  releasePanButtons();
  ui_.notifier.message(type, text);
}

void Commands::alert(MessageType type, const std::string& text) {
  releasePanButtons();
  graf::alert(ui_.notifier, st_.settings.SoundOn, type, text);
}

void Commands::recomputeViewCentre() { st_.view.recomputeCentre(); }

void Commands::clearPicture() {
  graf::clearPicture(st_, pic_, faceColor_);
  drawing_ = {};
  drawing_.background = st_.flags.PictureCleared ? faceColor_ : 0xFFFFFF;
  renderedState_.reset();
  drawingHolds_ = true;
  pictureChanged();
}

void Commands::render() {
  // In load mode the progress bar moves on once before every function drawn.
  graf::render(st_, pic_, [this] { ui_.load.functionDrawn(); });
  if (rendersGrid(st_)) {
    // A plot run draws onto a freshly cleared picture; over anything else
    // its drawing would not say what the pixels show.
    if (renderedState_ || !drawing_.overlays.empty()) drawingHolds_ = false;
    // The state drawn, kept so that its drawing is made only when asked for
    // rather than on every redraw.
    renderedState_ = st_;
  }
  pictureChanged();
}

std::optional<PictureDrawing> Commands::drawing() const {
  if (!pic_.exists() || !drawingHolds_) return std::nullopt;
  PictureDrawing d = drawing_;
  if (renderedState_) {
    PictureDrawing rendered = renderedDrawing(*renderedState_);
    d.lines = std::move(rendered.lines);
    d.curves = std::move(rendered.curves);
  }
  return d;
}

void Commands::drawOverlay(PictureOverlay overlay) {
  if (pic_.exists()) drawing_.overlays.push_back(std::move(overlay));
}

void Commands::textOver(std::vector<PictureText>& texts, int x, int y, const std::string& text) {
  pic_.textOut(x, y, text);
  if (!pic_.exists() || !pic_.textRenderer()) return;
  const bool opaque = pic_.brushStyle() == BrushStyle::Solid;
  texts.push_back({x, y, text, 0, opaque, opaque ? pic_.brushColor() : 0});
}

// A refused input: the function counted at the start of the run is taken
// back by the deletion of the last function (which redraws the rest), then
// the user is told why.
void Commands::refuse(MessageType type, const char* text) {
  deleteLastFunction();
  alert(type, text);
}

void Commands::plotRoutine(const FieldTexts& texts, Kind kind) {
  RunScope scope(runDepth_);
  const auto endOfRun = [this] { ui_.load.plotRunEnded(); };
  const auto loadProgressStep = [this] { ui_.load.plotRunStarted(st_.table.FunctionCount); };

  FunctionTable& table = st_.table;
  if (table.full()) {
    // At the maximum nothing new is registered: the table keeps its 50
    // functions, the list its 50 rows, and the picture shows all of them.
    // A redraw whose fields describe function 50 therefore changes nothing,
    // and a new function typed at the maximum is not stored.
    showMessage(MessageType::Information, "Függvényábrázolási maximum elérve!");
    recomputeViewCentre();
    loadProgressStep();
    setCaption("Íme a függvény");
    render();
    endOfRun();
    return;
  }
  int s = table.countNew();
  recomputeViewCentre();

  const std::string& textA = texts[0];
  const std::string& textB = texts[1];
  std::string textC = texts[2];
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

  table.setKind(s, kind);
  if (!FunctionTable::hasC(kind)) textC.clear();

  if (textA.empty() && textB.empty() && textC.empty()) {
    refuse(MessageType::Warning, "A semmiből nem lehet függvényt ábrázolni!");
    endOfRun();
    return;
  }

  table.setCoefficients(s, a, b, c);
  // A function already stored is not stored twice: the entry just counted is
  // taken back, and the checks below look at the last stored one.
  if (table.contains(kind, table.CoefA[s], table.CoefB[s], table.CoefC[s], s)) {
    table.removeLast();
    s = table.count();
  }

  const auto outOfRange = [](double v) { return v > 100 || v < -100; };
  if (outOfRange(table.CoefA[s]) || outOfRange(table.CoefB[s]) || outOfRange(table.CoefC[s])) {
    refuse(MessageType::Information, "Ezt még át kéne egyszer gondolni!");
  } else {
    setCaption("Íme a függvény");
    render();
  }
  endOfRun();
}

void Commands::plotRoutine() {
  // A copy: a refusal refills the fields while the run reads them.
  const FieldTexts texts = shown_.fields;
  plotRoutine(texts, shown_.kind);
}

void Commands::plotCommand(const FieldTexts& texts, Kind kind) {
  // What the caller passes is what the window shows: the user's fields and
  // option, or what the commands put there.
  unsigned changed = 0;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (shown_.fields[i] == texts[i]) continue;
    shown_.fields[i] = texts[i];
    changed |= kShownFieldA << i;
  }
  if (changed) shownChanged(changed);
  selectKind(kind);
  st_.flags.PictureCleared = false;
  st_.flags.PlotShown = true;
  clearPicture();
  // The run works on its own copy: a refusal refills the fields while it runs.
  const FieldTexts run = texts;
  plotRoutine(run, kind);
  setCountText(countPanelText(st_.table.FunctionCount));
  if (st_.table.FunctionCount > 0) setDeleteLastEnabled(true);
  const int n = st_.table.count();
  if (n != st_.flags.ListedCount) {
    if (n > 0)
      listFunction(n);
    else
      st_.flags.ListedCount = 0;
  }
}

void Commands::listFunction(int n) {
  const FunctionTable& t = st_.table;
  ++listRows_;
  if (list_) list_->appendFunctionRow(n, t.FunctionKind[n], t.CoefA[n], t.CoefB[n], t.CoefC[n]);
  st_.flags.ListedCount = n;
}

void Commands::storeLoadedFunction(int i, Kind kind, double a, double b, double c) {
  st_.table.put(i, kind, a, b, c);
  listFunction(i);
}

void Commands::finishLoad(int n, Kind lastKind) {
  selectKind(lastKind);
  st_.table.assignCount(n);
}

void Commands::fillFields(const std::string& a, const std::string& b, const std::string& c) {
  shown_.fields = {a, b, c};
  shownChanged(kShownFieldA | kShownFieldB | kShownFieldC);
}

void Commands::showSelection(const std::vector<int>& rows) {
  if (list_) list_->setSelectionLabel(selectionLabelText(rows));
}

void Commands::drawCurveOver(Color pen, const std::function<double(double)>& f) {
  pic_.setPenColor(pen);
  sampleCurve(st_, pic_, f);
  drawOverlay({{pen, curvePieces(st_, f)}, {}});
  pictureChanged();
}

void Commands::kindOption(Kind kind) {
  shown_.kind = kind;
  const bool linear = kind == Kind::Linear;
  if (linear != st_.flags.LinearSelected) {
    shown_.cEnabled = !linear;
    shownChanged(kShownCEnabled);
  }
  st_.flags.LinearSelected = linear;
}

void Commands::selectKind(Kind kind) {
  if (shown_.kind == kind) return;
  shown_.kind = kind;
  shownChanged(kShownKind);
  kindOption(kind);
}

}  // namespace graf
