// SPDX-License-Identifier: MIT
#pragma once
// The save/load window of function sets ("Függvény(ek) mentése/töltése"):
// saves the function table with a comment into a ".fv" file and loads one
// back, with the progress window running while a set is loaded and drawn.
// The steps are graf::SaveLoad's; the window shows and asks.
// The user works in it alone: while it is shown the main window is disabled
// (graf::ui::WindowLock).
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "functionsets/load_save.h"
#include "plot/commands.h"

class QCheckBox;
class QFileDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace graf::ui {

class Announcer;
class Tbetoltesablak;

class Ttoltmentablak : public QWidget, public graf::SaveLoadPort {
  Q_OBJECT
 public:
  // `files` are the set files as the program reaches them; `progress` is
  // closed with this window; `mainWindow` is locked while this one is shown.
  Ttoltmentablak(graf::Commands& cmd, graf::LoadSession& session, graf::SetFilePort& files, Tbetoltesablak& progress,
                 QWidget* mainWindow, QWidget* parent = nullptr);

  // Shows, raises and activates the window.
  void open();

  // Loads the set in the file `path` by the steps of "Tölt" after its
  // dialog, with the same refusals and messages; the window itself stays as
  // it is (the command line's set file comes this way). `path` is the
  // system's bytes of the name, which need not be UTF-8.
  void loadFile(const std::string& path);

  // Label2: what the last load brought, or "Nincs betöltve semmi".
  void setLoadStatus(const QString& text);
  QString loadStatus() const;
  // The file of the last save or load; "fuggvenyek1.fv" again at every activation.
  QString setFileName() const { return QString::fromStdString(saveLoad_.setFileName()); }
  QMenu* contextMenu() const { return PopupMenu1; }

  // The file dialogs. Each returns the chosen path, or an empty string when
  // the user cancelled. They start as the real dialogs below.
  std::function<QString()> saveDialog;
  std::function<QString()> openDialog;
  static QFileDialog* makeSaveDialog(QWidget* parent);
  static QFileDialog* makeOpenDialog(QWidget* parent);

  // graf::SaveLoadPort
  std::string comment() const override;
  bool automaticFileName() const override;
  std::optional<std::string> askFileToSave() override;
  std::optional<std::string> askFileToOpen() override;
  void setSaveLabel(const std::string& text) override;
  void setSaveEnabled(bool enabled) override;
  void setLoadedComment(const std::string& text) override;
  void setAckAndDiscardEnabled() override;
  void closeWindow() override;

 signals:
  void helpRequested(const QString& topic);

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormActivate();
  void FormClose();
  void Button1Click();  // "Ment"
  void Button2Click();  // "Tölt"
  void Button5Click();  // "Töltés mégsem"

  QPointer<Tbetoltesablak> progress_;
  graf::SaveLoad saveLoad_;

  QPushButton* Button1;
  QLabel* Label1;
  QLabel* Label3;
  QLineEdit* Edit1;
  QCheckBox* CheckBox1;
  QPushButton* Button2;
  QLabel* Label2;
  graf::ui::Announcer* Announcer1;  // tells a screen reader what a load did
  QLineEdit* Edit2;
  QPushButton* Button4;
  QPushButton* Button5;
  QPushButton* Button3;
  QMenu* PopupMenu1;
};

}  // namespace graf::ui
