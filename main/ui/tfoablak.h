// SPDX-License-Identifier: MIT
#pragma once
#include <functional>
// The main window: the kind options, the coefficient fields, the picture, the
// navigation and clearing buttons, the menu with its shortcuts, the status bar
// with the hints, and the reactions that hand every user event to the
// commands.
#include <QPointer>
#include <QWidget>

#include "picture/ui/picture_dialog.h"
#include "main/wheel_notches.h"
#include "plot/commands.h"
#include "plot/ports.h"

class QAction;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTimer;

namespace graf::ui {

class Announcer;
class PanButtonHold;
class PictureWidget;
class Swatch;

class Tfoablak : public QWidget, public graf::MainWindowListener {
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

  // Status bar panels 0 (hint), 1 (function count) and 2 (processor clock note).
  QString statusPanelText(int index) const;
  void setStatusPanelText(int index, const QString& text);

  // The colour swatch beside the option of a kind.
  void setSwatchColor(graf::Kind kind, graf::Color color);
  graf::Color swatchColor(graf::Kind kind) const;

  // A menu action by its name ("Abrazol", "Utfvtorles", ...).
  QAction* action(const QString& name) const;
  // "Függvényablak mutatása": the function list shown and in front, the
  // action checked.
  void showFunctionList() { FvmutatExecute(); }
  // "Függvényablak mutatása" checked or not, without showing or hiding the
  // list; it follows the list window's visibility.
  void setFunctionListChecked(bool checked);

  // The texts of the fields A, B and C, as typed.
  graf::FieldTexts fieldTexts() const;
  // The kind of the selected option.
  graf::Kind selectedKind() const;
  // "Mutasd a függvényt!" with the fields and the option as they are now: the
  // button, "Ábrázol" (F5) and the settings' replot.
  void plot();

  // graf::MainWindowListener: shows the parts of what the commands changed.
  void shownChanged(const graf::MainWindowShown& shown, unsigned parts) override;

  // Asks for the name (and size) of the picture file; an empty name when the
  // user cancels. Tests replace it; by default it is the save dialog
  // (picture_dialog.h).
  std::function<graf::ui::PictureChoice()> askPictureFileName;

 signals:
  // The context menu's "Súgó": the help file should open at this topic.
  void helpRequested(const QString& topic);
  // The windows that the menu opens, each of which lives beside this one:
  // "Függvényablak mutatása" (the function list, shown and raised, after the
  // action is checked), "Program konfigurálása" (the settings window),
  // "Súgó" (the help window) and "Függvény(ek) mentése/töltése" (the
  // save/load window).
  void functionListRequested();
  void settingsRequested();
  void helpWindowRequested();
  void saveLoadRequested();
  // The window has closed; the program ends.
  void closed();
  // The window became the active window: accepted settings are applied and
  // stored now.
  void activated();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private slots:
  // The reactions of the controls.
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

  // The reactions of the menu's actions.
  void FvkepmentExecute();
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

 private:
  // Tells a screen reader what a command did, once it has run.
  void announce(const std::string& words);
  void sayPendingAnnouncement();
  void nameSwatch(graf::ui::Swatch* swatch);
  void createControls();
  void createActions();
  void createMenu();
  QLabel* statusPanel(int index) const;
  graf::ui::Swatch* swatch(graf::Kind kind) const;
  QLineEdit* field(graf::Field f) const;
  void setFieldText(graf::Field f, const std::string& text);
  // Selects the option of a kind without running its reaction.
  void selectKind(graf::Kind kind);
  // The C field and its label.
  void setCFieldEnabled(bool enabled);
  void setCaption(const std::string& text);
  // Status bar panel 1: the count.
  void setCountPanel(const std::string& text);
  // "Utolsó fv törlése": the button and its action together.
  void setDeleteLastEnabled(bool enabled);
  void setReadout(const std::string& x, const std::string& y);
  void setZoomLabel(const std::string& text);
  void setPictureCursor(graf::PictureCursor c);
  void setWheelDirectionVertical(bool vertical);
  // The repeat timer of the pan buttons.
  void setRepeatInterval(int ms);
  // The picture's pixels changed and must be shown.
  void pictureChanged();
  // A pan button pressed (down) or let go, by a mouse button or the space bar.
  void panButtonDown(QObject* watched, bool down);
  bool wheelOverWindow(QObject* watched, QEvent* event);
  void popupOpening(QObject* watched);
  // The mouse over a menu of the window: a disabled item shows its hint too,
  // which Qt sends only for enabled items.
  void menuMouseMoved(QMenu* menu, const QPoint& position);
  void placeLastPanel();

  // The controls, with their captions and what they do. Tests and other
  // windows find them by these names (objectName).
  QMenuBar* ActionMainMenuBar1;  // the menu bar: "&Fájl", "Fü&ggvény", "&Beállítások", "&Súgó"
  QRadioButton* RadioButton1;    // "&Elsőfokú": first degree, a·x+b; chosen at start
  QRadioButton* RadioButton2;    // "&Másodfokú": second degree, a·x²+b·x+c
  QRadioButton* RadioButton3;    // "Másodfokú &2": second degree in vertex form, a·(x−b)²+c
  QRadioButton* RadioButton4;    // "&Abszolútértékes": absolute value, a·|x−b|+c
  graf::ui::Swatch* Shape2;      // the colour of first-degree curves, beside its option
  graf::ui::Swatch* Shape3;      // the colour of second-degree curves
  graf::ui::Swatch* Shape4;      // the colour of vertex-form curves
  graf::ui::Swatch* Shape5;      // the colour of absolute-value curves
  QLabel* Label1;                // "A=", beside field A
  QLabel* Label2;                // "B=", beside field B
  QLabel* Label3;                // "C=", beside field C; disabled with it
  QLineEdit* Edit1;              // coefficient A
  QLineEdit* Edit2;              // coefficient B
  QLineEdit* Edit3;              // coefficient C; disabled while first degree is chosen
  QPushButton* Button11;         // "123": writes numbers along the axes
  QPushButton* Button2;          // "/\": held, pans the view up
  QPushButton* Button6;          // "<": held, pans the view left
  QPushButton* Button8;          // "⌖": centres the view
  QPushButton* Button5;          // ">": held, pans the view right
  QPushButton* Button7;          // "\/": held, pans the view down
  QPushButton* BitBtn2;          // the magnifier: zooms 1x, 2x, 4x, 8x, then 1x again
  QLabel* Label5;                // the zoom, "1x" at start
  QLabel* Label9;                // "Koordináták:", over the read-out
  QLabel* Label4;                // "X:"
  QLabel* Label7;                // the x of the mouse over the picture, in plot units
  QLabel* Label6;                // "Y:"
  QLabel* Label8;                // the y of the mouse over the picture, in plot units
  QPushButton* Button1;          // "M&utasd a függvényt!": plots the function of the fields
  QPushButton* Button9;          // "Utolsó fv törlése": deletes the last function; disabled while none is stored
  QPushButton* Button4;          // "Függvény(ek) &törlése": clears the functions, keeps the fields and the view
  QPushButton* Button3;          // "Min&dent töröl": clears the functions, the fields and the view
  graf::ui::PictureWidget* Image1;  // the 393 × 321 picture; mouse moves read out, a click marks a point
  QPushButton* Button10;         // "⇕" or "⇔": whether the plain wheel pans up and down or left and right
  QPushButton* BitBtn1;          // "&Bezár": closes the window, which ends the program
  QStatusBar* StatusBar1;        // the hint, the function count and the processor clock note
  QTimer* Timer1;                // repeats the step of a held pan button: 50 ms, then 200 ms
  QMenu* PopupMenu1;             // the context menu: "Súgó" at the topic that fits
  graf::ui::Announcer* Announcer1;  // tells a screen reader the result of a command, away from the focus

  // The actions of the menu, with their shortcuts.
  QAction* Fvkepment;        // Ctrl+S "Függvény(ek) képének mentése": saves the picture as a file
  QAction* Toltment;         // Ctrl+M "Függvény(ek) mentése/töltése": opens the save/load window
  QAction* Kilep;            // Alt+F4 "Kilép": closes the window, which ends the program
  QAction* Abrazol;          // F5 "Ábrázol": clicks "M&utasd a függvényt!"
  QAction* Torol2;           // F6 "Töröl": clicks "Függvény(ek) &törlése"
  QAction* Utfvtorles;       // F7 "Utolsó fv törlése": clicks "Utolsó fv törlése", even while it is disabled
  QAction* Mindtor;          // F8 "Mindent töröl": clicks "Min&dent töröl"
  QAction* elsofoku;         // Ctrl+1 "Elsőfokú": chooses the first-degree option
  QAction* masodfoku;        // Ctrl+2 "Másodfokú": chooses the second-degree option
  QAction* masodfoku2;       // Ctrl+3 "Másodfokú 2": chooses the vertex-form option
  QAction* abszolutertekes;  // Ctrl+4 "Abszolútértékes": chooses the absolute-value option
  QAction* Konfig;           // F2 "Program konfigurálása": opens the settings window
  QAction* Fvmutat;          // Ctrl+F "Függvényablak mutatása": shows the function list; checked while it is shown
  QAction* Sugo;             // F1 "Súgó": opens the help window
  QAction* Nevjegy;          // "Névjegy": the about box

  graf::Commands& cmd_;
  QButtonGroup* kindGroup_ = nullptr;
  QLabel* panels_[3] = {};
  // What a screen reader is still to be told.
  QString pendingAnnouncement_;
  // True while the core selects a kind option itself: no reaction then.
  bool selectingKind_ = false;
  // The wheel's angle, turned into whole notches.
  graf::WheelNotches wheelNotches_;

  // The disabled menu item under the mouse, if any.
  QPointer<QAction> disabledItemUnderMouse_;
  // The pan button held down by the space bar, if any.
  PanButtonHold* panHold_ = nullptr;  // the four pan buttons held by mouse or space bar
};

}  // namespace graf::ui
