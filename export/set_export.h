// SPDX-License-Identifier: MIT
#pragma once
// Pictures of function-set files without any window: the set is loaded by the
// program's own load sequence into a fresh state, as right after start, and
// the picture it shows then is written to a file. The two command-line
// commands ("--export PICTURE SET.fv" and "--export-dir FOLDER SET.fv…") run
// here over a small file port, so that every rule is tested without files.
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "functionsets/load_save.h"
#include "picture/picture_export.h"
#include "plot/picture_drawing.h"
#include "plot/plot_state.h"
#include "plot/raster.h"

namespace graf {

class ClockStore;
class SettingsFilePort;

// The sampling step of a start in the current folder, chosen without the
// splash, the first-run window or a measurement: `settings` hold what was
// read from the settings file; while optimisation is on, the clock rule runs
// with the clock in the per-user store, and a clock not measured yet (none
// stored, or 0) gives the step 0.1.
void chooseStepFromStoredClock(Settings& settings, const ClockStore& store);

// The state right after a start in the current folder, as far as a picture
// goes, reached without any window: the settings file read as the start-up
// reads it, then the step chosen by chooseStepFromStoredClock. What the
// start-up would report about the settings file (a damaged or unreadable
// file; its defaults apply all the same) is added to `notes`.
PlotState pictureStartState(SettingsFilePort& settingsFile, const ClockStore& clock,
                            std::vector<std::string>& notes);

// The view of an exported picture: the picture the window shows after the
// load when the zoom button is pressed until `zoom` shows and the pan buttons
// `right` times to the right (to the left when negative) and `up` times up
// (down when negative), reached by one redraw rather than one per press;
// then "123" when `numbers` is set. `scale`
// writes every pixel as a scale × scale block. The axis numbers are drawn
// with `text`, which must be given when `numbers` is set.
struct ExportView {
  int zoom = 1;
  int right = 0;
  int up = 0;
  bool numbers = false;
  int scale = 1;
  TextRenderer* text = nullptr;
};

// The bounds of a view: the pan buttons stop at five steps either side;
// upwards and downwards the window sets no bound, and the command line stops
// at kMaxPanUp steps.
inline constexpr int kMaxPanRight = 5;
inline constexpr int kMaxPanUp = 10000;
inline constexpr int kMaxScale = 8;

// What is wrong with a view, in Hungarian, or empty when it can be shown.
std::string viewProblem(const ExportView& view);

// What a load shows. `start` is the state of the program right after its
// start in the folder concerned (its colours and sampling step); the set is
// loaded into a copy of it, so zoom is 1x and the origin at rest. On success
// `picture` receives the 393 × 321 picture of the loaded set; a refused set
// leaves it untouched. `messages` are the message boxes that the load showed,
// in order. When `drawing` is given it receives the same
// picture as a drawing (with the axis numbers as texts); `drawn` says whether
// there is one (see Commands::drawing).
struct SetPicture {
  bool loaded = false;
  bool drawn = false;
  std::vector<ShownMessage> messages;
};
SetPicture pictureOfSet(const PlotState& start, const std::vector<std::uint8_t>& bytes, Raster& picture,
                        const ExportView& view = {}, PictureDrawing* drawing = nullptr);

// The picture file written for a set by --export-dir: the set's file name
// without its folder and without a final ".fv" (in any case), then ".png".
std::string pictureNameForSet(std::string_view setPath);

// The file system, as the export commands use it. Reasons are Hungarian.
class ExportFiles {
 public:
  virtual ~ExportFiles() = default;
  // The set files, read as the save/load window reads them, from several
  // threads at once.
  virtual SetFilePort& setFiles() = 0;
  // Replaces `path` by a complete picture file, or leaves it as it was.
  // Each pixel becomes a scale × scale block. Called from several threads
  // at once, for different paths.
  virtual bool writePicture(const std::string& path, PictureFormat format, const Raster& picture, int scale,
                            std::string& reason) = 0;
  // The same for a drawing, in a format that keeps one (SVG or PDF).
  virtual bool writeDrawing(const std::string& path, PictureFormat format, const PictureDrawing& drawing,
                            std::string& reason) = 0;
  // Makes sure that `path` is a folder, creating it when it is missing.
  virtual bool makeFolder(const std::string& path, std::string& reason) = 0;
  // `folder`/`name`, with the platform's separator.
  virtual std::string inFolder(const std::string& folder, const std::string& name) = 0;

  // For a folder of pictures: writes a picture that takes its place at the
  // next commitPictures(), together with every picture staged since the last
  // one, so that the disk is synced once for all of them instead of once per
  // file. False with the reason when it cannot be written; nothing is left
  // then. `ticket` comes back from commitPictures(). Called from several
  // threads at once, for different paths. By default the picture is written
  // at once.
  virtual bool stagePicture(std::size_t ticket, const std::string& path, PictureFormat format, const Raster& picture,
                            int scale, std::string& reason);
  // Puts the staged pictures in place: for each ticket, in the order staged,
  // an empty text when its picture is in place, or why it is not.
  virtual std::vector<std::pair<std::size_t, std::string>> commitPictures();
  // Removes, again, the folders that makeFolder made, each only while empty.
  virtual void removeMadeFolders() {}
  // A path as a report line shows it: nothing in it may pass for the end of
  // a line or another line's words.
  virtual std::string shownPath(const std::string& path) { return path; }

 private:
  std::mutex stagedLock_;
  std::vector<std::pair<std::size_t, std::string>> staged_;
};

// How far a folder of pictures has come, for a person watching it.
class ExportProgress {
 public:
  virtual ~ExportProgress() = default;
  // `done` of `total` sets are finished, `current` (a path as shown) last.
  virtual void show(std::size_t done, std::size_t total, const std::string& current) = 0;
  // Takes the progress away: before each line of the report, and at the end.
  virtual void clear() = 0;
};

// What every error line on the error output begins with.
inline constexpr std::string_view kProgramPrefix = "grafolin: ";

// Exit statuses of the commands.
inline constexpr int kExportDone = 0;
inline constexpr int kExportRefused = 1;
// A mistaken command line: an unknown option, a value that cannot be read.
inline constexpr int kUsageError = 2;

// grafolin --export PICTURE SET: writes nothing and reports on `err` (each
// line after kProgramPrefix) when the set is refused or the picture cannot be written. A name ending in ".svg"
// or ".pdf" gets the picture as a drawing, whose size the scale does not
// change. The message boxes of the load and of its view (the maximum of 50
// functions, a last function out of range) go to `err` as one note, each
// text once; the picture is written all the same.
int exportPicture(const PlotState& start, ExportFiles& files, const std::string& picturePath,
                  const std::string& setPath, std::ostream& err, const ExportView& view = {});

// grafolin --export-dir FOLDER SET…: one line per set, in the given order, on
// `out` for a written picture and on `err` for a refused one, each as soon as
// its set and every one before it are finished (a written picture once it is
// in place on the disk); goes on after a refusal and returns kExportRefused
// when any set was refused, or when a line could not be written to `out` (a
// full disk, a closed output). The sets are drawn by `workers` threads (0:
// one per core); the lines and the status are the same for any number of
// them. `textFor` gives each thread its own text renderer when the view has
// numbers. A folder made for the pictures is removed again when none could
// be put in it. `progress`, when given, follows the sets as they finish.
int exportFolder(const PlotState& start, ExportFiles& files, const std::string& folder,
                 const std::vector<std::string>& setPaths, std::ostream& out, std::ostream& err,
                 const ExportView& view = {}, unsigned workers = 1,
                 const std::function<std::unique_ptr<TextRenderer>()>& textFor = {},
                 ExportProgress* progress = nullptr);

}  // namespace graf
