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

  explicit Textraablak(QWidget* parent = nullptr);

  // Where "OKÉ" is reported.
  void setInformationWindows(graf::InformationWindows* info) { info_ = info; }
  // The window the notes stay in front of.
  void setOwnerWindow(QWidget* owner) { owner_ = owner; }

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

 public slots:
  void Button1Click();

 protected:
  bool event(QEvent* event) override;

 private:
  graf::InformationWindows* info_ = nullptr;
  QPointer<QWidget> owner_;
};

}  // namespace graf::ui
