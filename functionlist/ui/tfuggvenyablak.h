// SPDX-License-Identifier: MIT
#pragma once
// The function list window ("Függvények"): one fixed-width row per stored
// function, the sum of two selected functions ("Összegük") and the trace of a
// double-clicked one. The rows are written by the commands through
// graf::FunctionListPort; row i belongs to function i + 1. Return or Enter
// on the current row traces it as a double click does.
#include <QWidget>
#include <array>

#include "plot/commands.h"
#include "plot/ports.h"

class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

namespace graf::ui {

class Tfuggvenyablak : public QWidget, public graf::FunctionListPort {
  Q_OBJECT
 public:
  explicit Tfuggvenyablak(graf::Commands& cmd, QWidget* parent = nullptr);

  // graf::FunctionListPort
  void appendFunctionRow(int n, graf::Kind kind, double a, double b, double c) override;
  int rowCount() const;
  void removeRow(int index) override;
  void clearRows() override;
  void setSelectionLabel(const std::string& text) override;

  QString rowText(int index) const;
  QString selectionLabel() const;
  QMenu* contextMenu() const { return PopupMenu1; }

 signals:
  // The window was shown (true) or hidden (false), also when the user closed it.
  void visibilityChanged(bool visible);
  void helpRequested(const QString& topic);

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Button1Click();
  void ListBox1DblClick();
  void reportVisibility(bool visible);
  // The list font and the headers "Típusa", "A", "B" and "C" over the
  // columns of the rows, from the list font's own character advance.
  void arrangeColumns();

  graf::Commands& cmd_;
  QLabel* Label1;
  std::array<QLabel*, 4> headers_{};
  QListWidget* ListBox1 = nullptr;
  QPushButton* Button1;
  QLabel* Label3;
  QMenu* PopupMenu1;
  int reportedVisible_ = -1;
};

}  // namespace graf::ui
