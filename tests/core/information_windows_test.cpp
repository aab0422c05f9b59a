// The help window and its notes window: translucency, usability and closing.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "help/information_windows.h"

namespace graf::testing {
namespace {

// Both windows as the real ones behave: the help window is open, and closing
// a shown window reports the close back, as the windows' close handlers do.
class FakeInformationWindows : public HelpWindowPort, public NotesWindowPort {
 public:
  InformationWindows info{*this, *this};
  bool helpShown = true;
  bool notesOpen = false;
  int helpOpacity = kOpaque;
  bool helpUsable = true;
  std::vector<std::string> log;

  void setHelpOpacity(int alpha) override {
    helpOpacity = alpha;
    log.push_back("help opacity " + std::to_string(alpha));
  }
  void setHelpUsable(bool usable) override {
    helpUsable = usable;
    log.push_back(usable ? "help usable" : "help unusable");
  }
  void closeHelp() override {
    if (!helpShown) return;
    helpShown = false;
    log.push_back("help closed");
    info.helpClosed();
  }
  bool notesShown() const override { return notesOpen; }
  void showNotes() override {
    notesOpen = true;
    log.push_back("notes shown");
  }
  void closeNotes() override {
    if (!notesOpen) return;
    notesOpen = false;
    log.push_back("notes closed");
    info.notesClosed();
  }
};

TEST(InformationWindows, TheDotOpensTheNotesAndTheirActivationDimsTheHelpWindow) {
  FakeInformationWindows w;
  w.info.dotPressed();
  EXPECT_TRUE(w.notesOpen);
  EXPECT_EQ(w.helpOpacity, kOpaque);  // not yet active
  w.info.notesActivated();
  EXPECT_EQ(w.helpOpacity, 150);
  EXPECT_FALSE(w.helpUsable);
  EXPECT_TRUE(w.helpShown);
}

TEST(InformationWindows, EveryWayOutOfTheNotesLeavesTheHelpWindowOpaqueAndUsable) {
  struct Case {
    const char* name;
    std::function<void(FakeInformationWindows&)> leave;
    bool helpStaysOpen;
  };
  const Case cases[] = {
      {"OKÉ", [](FakeInformationWindows& w) { w.info.okePressed(); }, true},
      {"closed by the window manager", [](FakeInformationWindows& w) { w.closeNotes(); }, true},
      {"OK of the help window", [](FakeInformationWindows& w) { w.info.okPressed(); }, false},
      {"help window closed otherwise", [](FakeInformationWindows& w) { w.closeHelp(); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeInformationWindows w;
    w.info.dotPressed();
    w.info.notesActivated();
    c.leave(w);
    EXPECT_FALSE(w.notesOpen);
    EXPECT_EQ(w.helpShown, c.helpStaysOpen);
    EXPECT_EQ(w.helpOpacity, kOpaque);
    EXPECT_TRUE(w.helpUsable);
  }
}

TEST(InformationWindows, OkWithoutNotesClosesTheHelpWindowAlone) {
  FakeInformationWindows w;
  w.info.okPressed();
  EXPECT_EQ(w.log, std::vector<std::string>{"help closed"});
}

TEST(InformationWindows, NotesShownButNeverActiveStillCloseWithTheHelpWindow) {
  FakeInformationWindows w;
  w.info.dotPressed();
  w.info.okPressed();
  EXPECT_EQ(w.log, (std::vector<std::string>{"notes shown", "help closed", "notes closed", "help opacity 255",
                                             "help usable"}));
}

}  // namespace
}  // namespace graf::testing
