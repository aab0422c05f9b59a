#pragma once
#include <functional>
// The main window: the kind options, the coefficient fields, the picture, the
// navigation and clearing buttons, the menu with its shortcuts, the status bar
// with the hints, and the reactions that hand every user event to the
// commands.
#include <QPointer>
#include <QWidget>

#include "plot/commands.h"
#include "plot/ports.h"

class QAction;
class QButtonGroup;
class QFileDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTimer;
class Tfuggvenyablak;
class Ttoltmentablak;

namespace graf::ui {
class PictureWidget;
class Swatch;
}  // namespace graf::ui

class Tfoablak : public QWidget, public graf::MainWindowPort {
  Q_OBJECT
 public:
  static constexpr int ClientWidth = 513;
  static constexpr int ClientHeight = 407;
  // Where the picture sits in the client area: picture pixel (x, y) is
  // client pixel (PictureLeft + x, PictureTop + y).
  static constexpr int PictureLeft = 120;
  static constexpr int PictureTop = 24;

  explicit Tfoablak(graf::Commands& cmd, QWidget* parent = nullptr);
  ~Tfoablak() override;

  // The windows that the menu opens.
  void setFunctionListWindow(Tfuggvenyablak* window);
  void setSettingsWindow(QWidget* window) { settingsWindow_ = window; }
  void setHelpWindow(QWidget* window) { helpWindow_ = window; }
  void setSaveLoadWindow(Ttoltmentablak* window);

  // Status bar panels 0 (hint), 1 (function count) and 2 (processor clock note).
  QString statusPanelText(int index) const;
  void setStatusPanelText(int index, const QString& text);

  // The colour swatch beside the option of a kind.
  void setSwatchColor(graf::Kind kind, graf::Color color);
  graf::Color swatchColor(graf::Kind kind) const;

  // A menu action by its name ("Abrazol", "Utfvtorles", ...).
  QAction* action(const QString& name) const;

  // graf::MainWindowPort
  std::string fieldText(graf::Field f) const override;
  void setFieldText(graf::Field f, const std::string& text) override;
  graf::Kind selectedKind() const override;
  void selectKind(graf::Kind kind) override;
  void setCFieldEnabled(bool enabled) override;
  void setCaption(const std::string& text) override;
  void setCountPanel(const std::string& text) override;
  void setDeleteLastEnabled(bool enabled) override;
  void setReadout(const std::string& x, const std::string& y) override;
  void setZoomLabel(const std::string& text) override;
  void setPictureCursor(graf::PictureCursor c) override;
  void setWheelDirectionVertical(bool vertical) override;
  void setRepeatInterval(int ms) override;
  void pictureChanged() override;

  // The controls.
  QMenuBar* ActionMainMenuBar1;
  QRadioButton* RadioButton1;
  QRadioButton* RadioButton2;
  QRadioButton* RadioButton3;
  QRadioButton* RadioButton4;
  graf::ui::Swatch* Shape2;
  graf::ui::Swatch* Shape3;
  graf::ui::Swatch* Shape4;
  graf::ui::Swatch* Shape5;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QLineEdit* Edit3;
  QPushButton* Button11;
  QPushButton* Button2;
  QPushButton* Button6;
  QPushButton* Button8;
  QPushButton* Button5;
  QPushButton* Button7;
  QPushButton* BitBtn2;
  QLabel* Label5;
  QLabel* Label9;
  QLabel* Label4;
  QLabel* Label7;
  QLabel* Label6;
  QLabel* Label8;
  QPushButton* Button1;
  QPushButton* Button9;
  QPushButton* Button4;
  QPushButton* Button3;
  graf::ui::PictureWidget* Image1;
  QPushButton* Button10;
  QPushButton* BitBtn1;
  QStatusBar* StatusBar1;
  QTimer* Timer1;
  QMenu* PopupMenu1;

  // The actions of the menu.
  QAction* Fvkepment;
  QAction* Toltment;
  QAction* Kilep;
  QAction* Abrazol;
  QAction* Torol2;
  QAction* Utfvtorles;
  QAction* Mindtor;
  QAction* elsofoku;
  QAction* masodfoku;
  QAction* masodfoku2;
  QAction* abszolutertekes;
  QAction* Konfig;
  QAction* Fvmutat;
  QAction* Sugo;
  QAction* Nevjegy;

  // Asks for the name of the picture file; empty when the user cancels.
  // Tests replace it; by default it is the save dialog.
  std::function<QString()> askPictureFileName;

 signals:
  // The context menu's "Súgó": the help file should open at this topic.
  void helpRequested(const QString& topic);
  // The window has closed; the program ends.
  void closed();
  // The window became the active window: accepted settings are applied and
  // stored now.
  void activated();

 public slots:
  void RadioButton1Click();
  void RadioButton2Click();
  void RadioButton3Click();
  void RadioButton4Click();
  void Button1Click();
  void Button3Click();
  void Button4Click();
  void Button9Click();
  void Button11Click();
  void BitBtn2Click();
  void Button8Click();
  void Button10Click();
  void BitBtn1Click();
  void Button2MouseDown();
  void Button2MouseUp();
  void Button7MouseDown();
  void Button7MouseUp();
  void Button6MouseDown();
  void Button6MouseUp();
  void Button5MouseDown();
  void Button5MouseUp();
  void Timer1Timer();
  void Image1MouseMove(int x, int y);
  void Image1Click();
  void FormMouseWheel(bool up, graf::WheelModifiers modifiers);
  void DisplayHint(const QString& hint);
  void Sugo1Click();

  void FvkepmentExecute();
  QString askPictureFileNameWithDialog();
  static QFileDialog* makePictureDialog(QWidget* parent);
  void ToltmentExecute();
  void KilepExecute();
  void AbrazolExecute();
  void Torol2Execute();
  void UtfvtorlesExecute();
  void MindtorExecute();
  void elsofokuExecute();
  void masodfokuExecute();
  void masodfoku2Execute();
  void abszolutertekesExecute();
  void KonfigExecute();
  void FvmutatExecute();
  void SugoExecute();
  void NevjegyExecute();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void createControls();
  void createActions();
  void createMenu();
  QLabel* statusPanel(int index) const;
  graf::ui::Swatch* swatch(graf::Kind kind) const;
  QLineEdit* field(graf::Field f) const;
  bool panButtonEvent(QObject* watched, QEvent* event);
  bool wheelOverWindow(QObject* watched, QEvent* event);

  graf::Commands& cmd_;
  QButtonGroup* kindGroup_ = nullptr;
  QLabel* panels_[3] = {};
  // True while the core selects a kind option itself: no reaction then.
  bool selectingKind_ = false;
  // Wheel angle not yet used up by whole notches.
  int wheelRemainder_ = 0;
  bool centred_ = false;

  QPointer<Tfuggvenyablak> functionListWindow_;
  QPointer<QWidget> settingsWindow_;
  QPointer<QWidget> helpWindow_;
  QPointer<Ttoltmentablak> saveLoadWindow_;
};
