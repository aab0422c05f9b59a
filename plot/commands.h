// SPDX-License-Identifier: MIT
#pragma once
// The commands of the program, as the windows trigger them: the plot request,
// the kind options, rendering, clearing and deletion (a refused input is
// taken back by the deletion of the last function), navigation, and the
// coordinate read-out and axis numbering. They work on one PlotState and one
// picture, write what the main window shows (MainWindowShown) and reach the
// other windows only through the ports.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "plot/picture_drawing.h"
#include "plot/plot_state.h"
#include "plot/ports.h"
#include "plot/raster.h"

namespace graf {

// Modifier state of a wheel turn.
struct WheelModifiers {
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  bool mouseButton = false;
  bool exactlyCtrl() const { return ctrl && !shift && !alt && !mouseButton; }
};

// "Függvények száma: " followed by the count: status bar panel 2.
std::string countPanelText(int count);

// The function list's selection label: "Kiválasztott függvények: ", then
// each selected row's number (zero-based rows, shown from 1) between blanks.
// With no rows it is the label of no selection.
std::string selectionLabelText(const std::vector<int>& rows = {});

struct Ports {
  Notifier& notifier;
  PlotRunListener& load;  // the load in progress, if any
};

class Commands {
 public:
  Commands(PlotState& state, Raster& picture, Ports ports)
      : st_(state), pic_(picture), ui_(ports) {}

  // The commands are the only writer of the state; everyone else reads it.
  const PlotState& state() const { return st_; }
  const Raster& picture() const { return pic_; }
  // What has been drawn on the picture since it was last cleared, as a
  // drawing: nothing when the picture does not exist yet (or, should it ever
  // be drawn over in a way the drawing cannot hold, for that picture).
  std::optional<PictureDrawing> drawing() const;
  // What the main window shows.
  const MainWindowShown& shown() const { return shown_; }
  // The main window (or a stand-in) hears every change of what it shows from
  // now on; nullptr for none.
  void setMainWindowListener(MainWindowListener* listener) { mainWindow_ = listener; }
  // The function list window (or a stand-in) receives every change of its
  // rows and selection label from now on; nullptr for none.
  void setFunctionList(FunctionListPort* list) { list_ = list; }

  // The user changed the text of a field: it is what the window shows now.
  void fieldEdited(Field f, const std::string& text);

  // The platform's window face colour, the colour of a cleared picture.
  void setFaceColor(Color c) { faceColor_ = c; }
  Color faceColor() const { return faceColor_; }

  // --- Plot request ---
  // Counts, reads, checks and registers the function in `texts` of `kind`,
  // then renders the picture; a refused input runs the deletion of the last
  // function and is reported.
  void plotRoutine(const FieldTexts& texts, Kind kind);
  // The plot routine with what the main window shows: the redraws of zoom
  // and pan.
  void plotRoutine();
  // "Mutasd a függvényt!" (F5) with the fields' texts and the selected kind:
  // clear, plot routine, count panel, delete-last enabled, list row.
  void plotCommand(const FieldTexts& texts, Kind kind);
  // The plot command with what the main window shows.
  void plotCommand() { plotCommand(shown_.fields, shown_.kind); }
  // The reaction of a kind option that has just become selected (by the
  // user, or by selectKind).
  void kindOption(Kind kind);
  // Selects a kind option as the user would: runs its reaction only when the
  // selection changes.
  void selectKind(Kind kind);

  // --- Rendering ---
  void clearPicture();
  void render();

  // --- Clearing ---
  void clearAll();        // "Mindent töröl" (F8)
  void clearFunctions();  // "Függvény(ek) törlése" (F6)
  void deleteLastFunction();  // "Utolsó fv törlése" (F7)

  // --- Navigation ---
  void panStep(PanDirection d);
  void setPanHeld(PanDirection d, bool held);
  // Lets go of every pan button. A message box or another active window
  // takes the mouse, and the release of a held button would never arrive.
  void releasePanButtons();
  void repeatTick();
  void zoomStep();
  void wheelTurn(bool up, WheelModifiers mods);
  void centre();
  void directionSwitch();
  // The view that zoom button presses and pan steps would reach, shown by
  // one redraw rather than one per step: zoom `zoom` (1, 2, 4 or 8), the
  // origin `stepsRight` pan steps to the right (within the buttons' five)
  // and `stepsUp` up. Nothing happens while no plot is shown, nor when the
  // view is already there.
  void showView(int zoom, int stepsRight, int stepsUp);

  // --- Read-out and numbering ---
  void mouseMove(int x, int y);
  void pictureClick();
  void numberAxes();

  // Opens a message box. Every box goes through here: it lets go of the pan
  // buttons first, so that no hold outlives the box.
  void showMessage(MessageType type, const std::string& text);
  // A refusal or an error: the beep when sounds are on, then the box.
  void alert(MessageType type, const std::string& text);

  // ViewCentreX and ViewCentreY from the pan steps and the zoom.
  void recomputeViewCentre();

  // --- Loading a set ---
  // Stores loaded entry i (counted only by finishLoad) and appends its row
  // to the function list.
  void storeLoadedFunction(int i, Kind kind, double a, double b, double c);
  // The load has stored entries 1..n: the option of the last one's kind is
  // selected and the n entries count.
  void finishLoad(int n, Kind lastKind);
  // Puts a function's texts into the fields A, B and C.
  void fillFields(const std::string& a, const std::string& b, const std::string& c);

  // --- The function list's sum and trace ---
  // Shows the selected rows in the list's selection label.
  void showSelection(const std::vector<int>& rows);
  // Draws y = f(x) over the picture in `pen`, sampled as every curve is.
  void drawCurveOver(Color pen, const std::function<double(double)>& f);

  // True while a run of the plot routine is in progress, for example while a
  // message box of that run is open.
  bool busy() const { return runDepth_ > 0; }

 private:
  void refuse(MessageType type, const char* text);
  // Tells the main window which parts of what it shows have changed.
  void shownChanged(unsigned parts);
  void setCaption(const std::string& text);
  void setCountText(const std::string& text);
  void setDeleteLastEnabled(bool enabled);
  void setReadout(const std::string& x, const std::string& y);
  void setZoomText(const std::string& text);
  void setPictureCursor(PictureCursor cursor);
  void pictureChanged();
  // Notes something drawn over the picture in its drawing.
  void drawOverlay(PictureOverlay overlay);
  // Writes a text on the picture and, when it is drawn, notes it in `texts`.
  void textOver(std::vector<PictureText>& texts, int x, int y, const std::string& text);
  void redraw();
  // Appends the list row of function n and marks it listed.
  void listFunction(int n);

  PlotState& st_;
  Raster& pic_;
  Ports ui_;
  MainWindowShown shown_;
  MainWindowListener* mainWindow_ = nullptr;
  FunctionListPort* list_ = nullptr;
  int listRows_ = 0;  // the rows of the function list
  Color faceColor_ = 0xF0F0F0;
  // Written beside every drawing call on pic_, so that it holds what the
  // pixels show.
  PictureDrawing drawing_;  // the background and the overlays
  std::optional<PlotState> renderedState_;  // the plot run's, since the clear
  bool drawingHolds_ = true;
  int runDepth_ = 0;
  bool repeatSlowed_ = false;
};

}  // namespace graf
