// SPDX-License-Identifier: MIT
#pragma once
// The program's own viewer for its help file.
//
// The help file "help.hlp" lies beside the program. It is an HTML page in
// UTF-8 with one anchor per topic; a topic's anchor is derived from its jump
// identifier by helpAnchor(). The viewer is one non-modal window that is
// reused for every jump; problems (no file, no such topic) are reported
// inside that window and never reach the caller.
#include <QPointer>
#include <QString>
#include <QStringList>

class QLabel;
class QTextBrowser;
class QTextDocument;
class QWidget;

namespace graf {

// The name the program gives its help file. Any case variant of it counts.
inline constexpr const char* kHelpFileName = "help.hlp";

// The anchor of a topic: "t-" followed by the UTF-8 bytes of the identifier
// in composed form (NFC), ASCII letters and digits as they are, every other
// byte as "_" and two upper-case hex digits: "Üdvözlés" gives
// "t-_C3_9Cdv_C3_B6zl_C3_A9s". Distinct identifiers give distinct anchors,
// and an anchor needs no escaping in HTML or in a URL fragment.
QString helpAnchor(const QString& topic);

// The help file in the folder dir: "help.hlp" or any other case variant of
// that name ("HELP.HLP", "Help.hlp", ...). The exact lower-case name wins,
// then the upper-case one, then the first other variant in name order. An
// empty string when the folder holds none.
QString findHelpFile(const QString& dir);

// The folder that holds the help file of a program in the folder
// `programDir`: that folder itself when the help file lies beside the program
// (as in the build folder), else the installed help folder (for example
// PREFIX/share/grafolin for PREFIX/bin) when it holds one, else the program's
// folder.
QString helpFolderOfProgram(const QString& programDir);

// Every folder searched for the help file of a program in `programDir`, in
// the order they are tried: beside the program, then the installed help folder.
QStringList helpFoldersOfProgram(const QString& programDir);

// Whether the document holds an anchor of that name.
bool documentHasAnchor(const QTextDocument& document, const QString& anchor);

class HelpViewer {
 public:
  HelpViewer();
  ~HelpViewer();
  HelpViewer(const HelpViewer&) = delete;
  HelpViewer& operator=(const HelpViewer&) = delete;

  // The folder searched for the help file; empty (the default) means the
  // program's help folder (helpFolderOfProgram).
  void setDirectory(const QString& dir);
  QString directory() const;

  // Shows the help file at the topic with this jump identifier in the viewer
  // window, creating the window at the first call. Returns at once, without
  // running the event loop; an empty identifier shows the start of the file.
  void openTopic(const QString& topic);

  // The window and its parts; null before the first openTopic().
  QWidget* window() const;
  QTextBrowser* browser() const;
  // The problem shown above the text, or empty when there is none.
  QString message() const;

  // Deletes the window; the next openTopic() builds a new one.
  void closeWindow();

 private:
  void ensureWindow();
  void showMessage(const QString& text);

  QString dir_;
  QPointer<QWidget> window_;
  QTextBrowser* browser_ = nullptr;
  QLabel* messageLabel_ = nullptr;
};

// The viewer the whole program shares.
HelpViewer& sharedHelpViewer();

// Opens the help file beside the program at the topic with this jump
// identifier, in the shared viewer. Returns at once; the calling window is
// left as it was.
void openHelpTopic(const QString& topic);

}  // namespace graf
