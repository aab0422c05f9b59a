// SPDX-License-Identifier: MIT
#include "export/set_export.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "functionsets/load_save.h"
#include "export/no_windows.h"
#include "picture/shown_drawing.h"
#include "plot/commands.h"
#include "settings/settings_file.h"
#include "startup/clock.h"
#include "startup/startup.h"

namespace graf {

namespace {

// The main window as the settings reader sees it, in a program without one:
// there are no swatches to paint, no list to show and no plot to redraw, and
// the reader's warnings are collected.
class NoSettingsWindows : public SettingsMainPort, public Notifier {
 public:
  std::vector<std::string> messages;
  void setSwatchColors(Color, Color, Color, Color) override {}
  void setFunctionListShown(bool) override {}
  void runPlotCommand() override {}
  void beep() override {}
  void message(MessageType, const std::string& text) override { messages.push_back(text); }
};

// The texts of the load's message boxes, as one note, each text once: the
// load and the redraw of its view both meet the maximum of 50 functions.
std::string notesOf(const SetPicture& shown) {
  std::string notes;
  std::set<std::string> told;
  for (const ShownMessage& m : shown.messages) {
    if (!told.insert(m.text).second) continue;
    if (!notes.empty()) notes += "; ";
    notes += m.text;
  }
  return notes;
}

// Loads a set into a copy of `start` drawn on `canvas`, then shows the view
// as the window's buttons would; `drawing`, when given, receives the picture
// as a drawing.
SetPicture showSet(const PlotState& start, const std::vector<std::uint8_t>& bytes, Raster& canvas,
                   const ExportView& view, PictureDrawing* drawing) {
  PlotState state = start;
  NoWindows windows;
  canvas.setTextRenderer(view.text);
  LoadSession session(windows);
  Commands cmd(state, canvas, Ports{windows, session});
  cmd.setFunctionList(&windows);
  SetPicture result;
  session.beginAttempt();
  result.loaded = loadFunctionSet(cmd, session, windows, bytes);
  if (result.loaded) {
    // The view the zoom button and the pan buttons would reach, in one
    // redraw rather than one per press.
    cmd.showView(view.zoom, view.right, view.up);
    if (view.numbers) cmd.numberAxes();
  }
  result.messages = windows.messages;
  canvas.setTextRenderer(nullptr);
  if (result.loaded && drawing) {
    std::optional<PictureDrawing> shown = drawingOfShownPicture(cmd);
    result.drawn = shown.has_value();
    if (shown) *drawing = std::move(*shown);
  }
  return result;
}

// Loads one set and renders it on `canvas`. False with the reason when the
// set is refused.
bool renderSet(const PlotState& start, ExportFiles& files, const std::string& setPath, Raster& canvas,
               const ExportView& view, std::string& notes, std::string& reason, PictureDrawing* drawing = nullptr) {
  std::vector<std::uint8_t> bytes;
  if (!files.setFiles().read(setPath, kFunctionSetSize, bytes, reason)) {
    reason = "nem olvasható: " + reason;
    return false;
  }
  const SetPicture shown = showSet(start, bytes, canvas, view, drawing);
  if (!shown.loaded) {
    reason = notesOf(shown);
    return false;
  }
  if (drawing && !shown.drawn) {
    reason = "a kép nem írható le vonalakkal és szövegekkel";
    return false;
  }
  notes = notesOf(shown);
  return true;
}

}  // namespace

void chooseStepFromStoredClock(Settings& settings, const ClockStore& store) {
  const std::int32_t mhz = clockFromStoredText(store.readText(kClockValueName));
  if (mhz != 0)
    applyClockRule(settings, mhz);
  else if (settings.OptimizeOn)
    settings.SampleStep = 0.1;
}

PlotState pictureStartState(SettingsFilePort& settingsFile, const ClockStore& clock,
                            std::vector<std::string>& notes) {
  PlotState st;
  SettingsState own;
  NoSettingsWindows windows;
  ReadSettingsFile(st, own, SettingsPorts{settingsFile, windows, windows});
  chooseStepFromStoredClock(st.settings, clock);
  notes.insert(notes.end(), windows.messages.begin(), windows.messages.end());
  return st;
}

std::string viewProblem(const ExportView& view) {
  if (view.zoom != 1 && view.zoom != 2 && view.zoom != 4 && view.zoom != 8)
    return "a nagyítás 1, 2, 4 vagy 8 lehet, nem " + std::to_string(view.zoom);
  if (view.right < -kMaxPanRight || view.right > kMaxPanRight)
    return "vízszintesen legfeljebb " + std::to_string(kMaxPanRight) + " lépés tolható el (-" +
           std::to_string(kMaxPanRight) + "…" + std::to_string(kMaxPanRight) + "), nem " + std::to_string(view.right);
  if (view.up < -kMaxPanUp || view.up > kMaxPanUp)
    return "függőlegesen legfeljebb " + std::to_string(kMaxPanUp) + " lépés tolható el, nem " +
           std::to_string(view.up);
  if (view.scale < 1 || view.scale > kMaxScale)
    return "a méretezés 1 és " + std::to_string(kMaxScale) + " közötti egész lehet, nem " + std::to_string(view.scale);
  return {};
}

SetPicture pictureOfSet(const PlotState& start, const std::vector<std::uint8_t>& bytes, Raster& picture,
                        const ExportView& view, PictureDrawing* drawing) {
  Raster shown;
  SetPicture result = showSet(start, bytes, shown, view, drawing);
  if (result.loaded) picture = shown;
  return result;
}

std::string pictureNameForSet(std::string_view setPath) {
  std::string_view name = setPath;
  const std::size_t slash = name.find_last_of('/');
  if (slash != std::string_view::npos) name = name.substr(slash + 1);
  if (endsWithNoCase(name, ".fv") && name.size() > 3) name.remove_suffix(3);
  return std::string(name) + ".png";
}

bool ExportFiles::stagePicture(std::size_t ticket, const std::string& path, PictureFormat format, const Raster& picture,
                               int scale, std::string& reason) {
  if (!writePicture(path, format, picture, scale, reason)) return false;
  const std::lock_guard<std::mutex> hold(stagedLock_);
  staged_.emplace_back(ticket, std::string());
  return true;
}

std::vector<std::pair<std::size_t, std::string>> ExportFiles::commitPictures() {
  const std::lock_guard<std::mutex> hold(stagedLock_);
  return std::exchange(staged_, {});
}

int exportPicture(const PlotState& start, ExportFiles& files, const std::string& picturePath,
                  const std::string& setPath, std::ostream& err, const ExportView& view) {
  const std::string shownSet = files.shownPath(setPath), shownPicture = files.shownPath(picturePath);
  const std::optional<PictureFormat> format = pictureFormatFor(picturePath);
  if (!format) {
    err << kProgramPrefix << shownPicture << ": " << kPictureNameRule << '\n';
    return kExportRefused;
  }
  Raster picture;
  PictureDrawing drawing;
  const bool asDrawing = isDrawingFormat(*format);
  std::string notes, reason;
  if (!renderSet(start, files, setPath, picture, view, notes, reason, asDrawing ? &drawing : nullptr)) {
    err << kProgramPrefix << shownSet << ": " << reason << '\n';
    return kExportRefused;
  }
  if (!notes.empty()) err << kProgramPrefix << shownSet << ": " << notes << '\n';
  const bool written = asDrawing ? files.writeDrawing(picturePath, *format, drawing, reason)
                                 : files.writePicture(picturePath, *format, picture, view.scale, reason);
  if (!written) {
    err << kProgramPrefix << shownPicture << ": a kép nem írható: " << reason << '\n';
    return kExportRefused;
  }
  return kExportDone;
}

namespace {

// The pictures of a folder wait for one sync of the disk together: at most
// this many, and at most this long, so that the report keeps moving.
constexpr std::size_t kBatchFiles = 32;
constexpr auto kBatchWait = std::chrono::milliseconds(300);

}  // namespace

int exportFolder(const PlotState& start, ExportFiles& files, const std::string& folder,
                 const std::vector<std::string>& setPaths, std::ostream& out, std::ostream& err, const ExportView& view,
                 unsigned workers, const std::function<std::unique_ptr<TextRenderer>()>& textFor,
                 ExportProgress* progress) {
  // Sets that would write the same picture (two folders, one name) are drawn
  // one after the other by one thread, in the given order: a later one never
  // replaces what an earlier one wrote. Each group is one task.
  std::vector<std::vector<std::size_t>> groups;
  {
    std::map<std::string, std::size_t> groupOf;
    for (std::size_t i = 0; i < setPaths.size(); ++i) {
      const auto [it, added] = groupOf.emplace(pictureNameForSet(setPaths[i]), groups.size());
      if (added) groups.emplace_back();
      groups[it->second].push_back(i);
    }
  }
  struct Line {
    bool finished = false;
    bool written = false;
    std::string text;
  };
  std::vector<Line> lines(setPaths.size());
  const std::string shownFolder = files.shownPath(folder);

  // The report: each line goes out once it and every line before it are
  // finished, so the order is the given one whatever the threads do.
  std::mutex reportLock;
  std::size_t printed = 0, finishedCount = 0;
  bool outFailed = false, anyWritten = false;
  const auto finish = [&](std::size_t i, bool written, std::string text) {
    const std::lock_guard<std::mutex> hold(reportLock);
    lines[i] = {true, written, std::move(text)};
    ++finishedCount;
    anyWritten = anyWritten || written;
    if (printed < lines.size() && lines[printed].finished && progress) progress->clear();
    for (; printed < lines.size() && lines[printed].finished; ++printed) {
      const Line& line = lines[printed];
      if (line.written) {
        out << line.text << '\n';
        out.flush();
        outFailed = outFailed || !out;
      } else {
        err << kProgramPrefix << line.text << '\n';
        err.flush();
      }
    }
    if (progress) progress->show(finishedCount, lines.size(), files.shownPath(setPaths[i]));
  };
  const auto refusal = [&](std::size_t i, const std::string& why) {
    return files.shownPath(setPaths[i]) + ": elutasítva: " + why;
  };

  // Pictures staged and not yet in place, with what their lines will say.
  // The lock guards these alone: a commit runs without it, so the other
  // threads go on drawing meanwhile.
  std::mutex commitLock;
  std::size_t waiting = 0;
  std::chrono::steady_clock::time_point firstWaiting;
  std::map<std::size_t, std::string> writtenText;  // by ticket: the set's index
  const auto commit = [&] {
    for (const auto& [ticket, reason] : files.commitPictures()) {
      std::string text;
      {
        const std::lock_guard<std::mutex> hold(commitLock);
        text = std::move(writtenText[ticket]);
        writtenText.erase(ticket);
      }
      const std::string picturePath = files.inFolder(folder, pictureNameForSet(setPaths[ticket]));
      if (reason.empty())
        finish(ticket, true, text);
      else
        finish(ticket, false, refusal(ticket, "a(z) " + files.shownPath(picturePath) + " kép nem írható: " + reason));
    }
  };

  std::mutex folderLock;
  bool folderTried = false, folderReady = false;
  std::string folderReason;
  std::atomic<std::size_t> nextGroup{0};

  const auto work = [&] {
    std::unique_ptr<TextRenderer> text;
    ExportView own = view;
    if (view.numbers && textFor) {
      text = textFor();
      own.text = text.get();
    }
    Raster picture;  // one raster for every set of this thread
    for (std::size_t g; (g = nextGroup.fetch_add(1)) < groups.size();) {
      bool nameWritten = false;
      for (const std::size_t i : groups[g]) {
        const std::string& setPath = setPaths[i];
        const std::string picturePath = files.inFolder(folder, pictureNameForSet(setPath));
        const std::string shownPicture = files.shownPath(picturePath);
        if (nameWritten) {
          finish(i, false, refusal(i, "a(z) " + shownPicture + " képet már egy korábbi halmaz írta ebben a futásban"));
          continue;
        }
        std::string notes, reason;
        if (!renderSet(start, files, setPath, picture, own, notes, reason)) {
          finish(i, false, refusal(i, reason));
          continue;
        }
        bool ready;
        std::string why;
        {
          const std::lock_guard<std::mutex> hold(folderLock);
          if (!folderTried) {
            folderTried = true;
            folderReady = files.makeFolder(folder, folderReason);
            if (!folderReady && folderReason.empty()) folderReason = "ismeretlen hiba";
          }
          ready = folderReady;
          why = folderReason;
        }
        if (!ready) {
          finish(i, false, refusal(i, "a(z) " + shownFolder + " mappa nem használható: " + why));
          continue;
        }
        std::string line = files.shownPath(setPath) + ": kiírva: " + shownPicture;
        if (!notes.empty()) line += " (" + notes + ")";
        {
          // The line is known before the picture can be put in place.
          const std::lock_guard<std::mutex> hold(commitLock);
          writtenText[i] = line;
        }
        if (!files.stagePicture(i, picturePath, PictureFormat::Png, picture, own.scale, reason)) {
          {
            const std::lock_guard<std::mutex> hold(commitLock);
            writtenText.erase(i);
          }
          finish(i, false, refusal(i, "a(z) " + shownPicture + " kép nem írható: " + reason));
          continue;
        }
        nameWritten = true;
        bool due = false;
        {
          const std::lock_guard<std::mutex> hold(commitLock);
          const auto now = std::chrono::steady_clock::now();
          if (waiting++ == 0) firstWaiting = now;
          due = waiting >= kBatchFiles || now - firstWaiting >= kBatchWait;
          if (due) waiting = 0;
        }
        if (due) commit();
      }
    }
  };
  if (workers == 0) workers = std::max(1u, std::thread::hardware_concurrency());
  workers = static_cast<unsigned>(std::min<std::size_t>(workers, std::max<std::size_t>(groups.size(), 1)));
  std::vector<std::thread> threads;
  for (unsigned t = 1; t < workers; ++t) threads.emplace_back(work);
  work();
  for (std::thread& t : threads) t.join();
  commit();
  if (progress) progress->clear();
  // A folder that holds none of the pictures is not left behind.
  if (!anyWritten) files.removeMadeFolders();

  bool anyRefused = false;
  for (const Line& line : lines) anyRefused = anyRefused || !line.written;
  if (outFailed) {
    err << kProgramPrefix << "a jelentés nem írható a szabványos kimenetre\n";
    return kExportRefused;
  }
  return anyRefused ? kExportRefused : kExportDone;
}

}  // namespace graf
