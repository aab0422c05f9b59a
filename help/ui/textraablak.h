// SPDX-License-Identifier: MIT
#pragma once
// The notes window ("Megjegyzések"), reached only through the full stop of
// the help window's date line: a greeting, a picture, a short note to the
// user, the line "Designed for Microsoft Windows XP" with a small picture,
// and "OKÉ", the only way to close it.
#include <QPointer>
#include <QWidget>

#include "help/information_windows.h"

class QLabel;
class QPixmap;
class QPushButton;

namespace graf::ui {

class Textraablak : public QWidget, public graf::NotesWindowPort {
  Q_OBJECT
 public:
  static constexpr int ClientWidth = 313;
  static constexpr int ClientHeight = 385;

  // `owner` is the window the notes stay in front of.
  explicit Textraablak(QWidget* owner, QWidget* parent = nullptr);

  // The two pictures, drawn by the program.
  static QPixmap drawGreetingPicture();
  static QPixmap drawSmallPicture();

  // graf::NotesWindowPort
  bool notesShown() const override;
  void showNotes() override;
  void closeNotes() override;

  // The controls.
  QLabel* Label1;  // "ÜGYES!"
  QLabel* Image1;
  QLabel* Label2;
  QLabel* Label3;
  QPushButton* Button1;  // "OKÉ"
  QLabel* Image2;
  QLabel* Label4;  // "Designed for Microsoft Windows XP"

 signals:
  // "OKÉ" was pressed.
  void okePressed();

 public slots:
  void Button1Click();

 protected:
  bool event(QEvent* event) override;

 private:
  QPointer<QWidget> owner_;
};

}  // namespace graf::ui
