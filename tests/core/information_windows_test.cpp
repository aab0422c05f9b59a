// SPDX-License-Identifier: MIT
// The help window and its notes window: opening the notes and closing both.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "help/information_windows.h"

namespace graf::testing {
namespace {

// Both windows as the real ones behave: the help window is open, and closing
// a shown window reports the close back, as the help window's close handler
// does.
class FakeInformationWindows : public HelpWindowPort, public NotesWindowPort {
 public:
  InformationWindows info{*this, *this};
  bool helpShown = true;
  bool notesOpen = false;
  std::vector<std::string> log;

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
  }
};

TEST(InformationWindows, TheDotOpensTheNotesAndOkeClosesThemAlone) {
  FakeInformationWindows w;
  w.info.dotPressed();
  w.info.okePressed();
  EXPECT_EQ(w.log, (std::vector<std::string>{"notes shown", "notes closed"}));
  EXPECT_TRUE(w.helpShown);
}

TEST(InformationWindows, ClosingTheHelpWindowClosesTheNotesWhenTheyAreShown) {
  struct Case {
    const char* name;
    bool notesOpen;
    std::function<void(FakeInformationWindows&)> close;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"OK over the notes", true, [](FakeInformationWindows& w) { w.info.okPressed(); },
       {"help closed", "notes closed"}},
      {"closed otherwise over the notes", true, [](FakeInformationWindows& w) { w.closeHelp(); },
       {"help closed", "notes closed"}},
      {"OK without notes", false, [](FakeInformationWindows& w) { w.info.okPressed(); }, {"help closed"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeInformationWindows w;
    w.notesOpen = c.notesOpen;
    c.close(w);
    EXPECT_EQ(w.log, c.expected);
    EXPECT_FALSE(w.helpShown);
    EXPECT_FALSE(w.notesOpen);
  }
}

}  // namespace
}  // namespace graf::testing
