// SPDX-License-Identifier: MIT
#pragma once
// The help window ("Súgó a Grafolin program 5.2-es verziójához"), opened by
// "Súgó" (F1): two lines of credits, a notebook of five pages (plotting,
// the program's history, settings, other notes, shortcuts), "OK", "Képes
// súgó", and the date line whose full stop is a separate label: a mouse
// button pressed on it opens the notes window.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "help/information_windows.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace graf::ui {

class Tsugoablak : public QWidget, public graf::HelpWindowPort {
  Q_OBJECT
 public:
  static constexpr int ClientWidth = 441;
  static constexpr int ClientHeight = 343;
  // The credits strip above the notebook, and the notebook's size.
  static constexpr int CreditsHeight = 40;
  static constexpr int NotebookWidth = 441;
  static constexpr int NotebookHeight = 249;

  explicit Tsugoablak(QWidget* parent = nullptr);

  // The lines of text of a notebook page (0..4) from top to bottom, without
  // the raised marks placed over them.
  const std::vector<QLabel*>& pageLines(int page) const { return pageLines_[page]; }

  // graf::HelpWindowPort
  void closeHelp() override;

  // The controls.
  QLabel* Credits1 = nullptr;
  QLabel* Credits2 = nullptr;
  QTabWidget* PageControl1 = nullptr;
  QPlainTextEdit* History = nullptr;   // page 2
  QPlainTextEdit* Settings = nullptr;  // page 3
  // The small raised "2" after "ax", after "a(x-b)" and in the legend.
  QLabel* Square1 = nullptr;
  QLabel* Square2 = nullptr;
  QLabel* Square3 = nullptr;
  QPushButton* Button1 = nullptr;  // "OK"
  QPushButton* Button2 = nullptr;  // "Képes súgó"
  QLabel* DateLine = nullptr;
  QLabel* Label17 = nullptr;  // the full stop of the date line

 signals:
  // "Képes súgó": the help file should open at this topic.
  void helpRequested(const QString& topic);
  // "OK" was pressed; the help window and its notes decide what closes.
  void okPressed();
  // A mouse button was pressed on the full stop of the date line.
  void dotPressed();
  // The window has closed, by "OK" or any other way.
  void closed();

 public slots:
  void Button1Click();
  void Button2Click();
  void Label17MouseDown();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A small label set over a line of text, just after the given beginning of
  // it, its baseline raised by the given fraction of the line's ascent.
  struct Mark {
    QLabel* line;
    QString before;
    QLabel* mark;
    double raise;
  };

  QWidget* addPage(const QString& title);
  // A line of text at the foot of a page, below the given extra space.
  QLabel* addLine(int page, const QString& text, int gapAbove = 0, bool wrap = false);
  QPlainTextEdit* addReadOnlyText(const QString& title, const QString& objectName, const QString& text);
  QLabel* addMark(QLabel* line, const QString& before, const QString& text, int pixelSize, double raise);
  // Places the lines of the pages, the date line and every mark from the
  // fonts of the moment.
  void arrange();

  std::vector<QLabel*> pageLines_[5];
  // Extra space above a line, where a new paragraph begins.
  std::vector<int> gapsAbove_[5];
  std::vector<Mark> marks_;
  bool arranging_ = false;
};

}  // namespace graf::ui
