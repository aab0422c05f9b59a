// SPDX-License-Identifier: MIT
#pragma once
// The settings window ("Beállítások", F2): pickers for the precision, the
// seven colours, the four switches and the quick-view mode on four tabs, with
// labels showing the settings in force; OK, "Mégse" and the defaults. The
// behaviour is the core's SettingsEditor; this window shows and asks.
#include <QColor>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "plot/plot_state.h"
#include "settings/settings_editor.h"

class QColorDialog;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;

namespace graf::ui {

class TForm9;
class Tegyezoszinekablak;

class Tbeallitasablak : public QWidget, public graf::SettingsWindowPort {
  Q_OBJECT
 public:
  // `mainWindow` takes over when this window closes; the quick view and the
  // matching-colours warning are this window's own helpers; `currentCpuMhz`
  // gives the processor clock of this run, which the clock label shows at
  // every activation.
  Tbeallitasablak(graf::PlotState& state, graf::SettingsState& settingsState, QWidget* mainWindow, TForm9& quickView,
                  Tegyezoszinekablak& clashWindow, std::function<int()> currentCpuMhz, QWidget* parent = nullptr);

  graf::SettingsEditor& editor() { return editor_; }

  // A setting's picker, its "I" sample (colour rows) and its custom colour
  // button (colour rows).
  QComboBox* picker(graf::Setting s) const;
  QLabel* sample(graf::Setting s) const;
  QPushButton* customButton(graf::Setting s) const;
  QLabel* stateLabel(graf::StateLabel l) const;
  QMenu* contextMenu() const { return PopupMenu1; }

  // Asks for a custom colour, starting from the colour last confirmed for the
  // row; none when the user cancels. Tests replace it; by default it opens
  // the row's own colour dialog.
  std::function<std::optional<QColor>(graf::Setting, const QColor&)> askColor;

  // graf::SettingsWindowPort
  std::string pickerText(graf::Setting s) const override;
  void setPickerText(graf::Setting s, const std::string& text) override;
  graf::Color dialogColor(graf::Setting s) const override;
  void setSampleColor(graf::Setting s, graf::Color c) override;
  void setAuxLinesSample(bool active, graf::Color c) override;
  void setAuxLinesCustomButtonVisible(bool visible) override;
  void setPrecisionPickerEnabled(bool enabled) override;
  void setLabel(graf::StateLabel label, const std::string& text) override;
  bool quickViewVisible() const override;
  void showQuickView() override;
  void focusQuickView() override;
  void hideQuickView() override;
  void quickViewChanged() override;
  void focusSettingsWindow() override;
  void showColorClash(const std::string& message) override;
  void hideColorClash() override;
  void closeSettingsWindow() override;

  QTabWidget* PageControl1;
  QPushButton* SpeedButton1 = nullptr;  // "OK"
  QPushButton* SpeedButton2 = nullptr;  // "Mégse"
  QPushButton* SpeedButton3 = nullptr;  // "Alapbeállítások visszaállítása"
  QPushButton* Button8;       // "Új processzorom van"
  QLabel* Label48;            // the processor clock
  QMenu* PopupMenu1;

 signals:
  // "Súgó" of the context menu: the help file at this topic.
  void helpRequested(const QString& topic);
  // "Új processzorom van", and a double click on the clock.
  void newProcessorRequested();
  void clockOverrideRequested();

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* createGeneralTab();
  QWidget* createColorsTab();
  QWidget* createSwitchesTab();
  QWidget* createAppearanceTab();
  QComboBox* createPicker(QWidget* parent, graf::Setting s, const char* name, const QStringList& items,
                          const QString& initial, const QString& hint, QRect geometry);
  void customColor(graf::Setting s);
  void setSample(QLabel* label, const QString& text, const QColor& color);

  graf::PlotState& st_;
  graf::SettingsEditor editor_;
  QPointer<QWidget> mainWindow_;
  QPointer<TForm9> quickView_;
  QPointer<Tegyezoszinekablak> clashWindow_;
  std::function<int()> currentCpuMhz_;
  bool colorDialogOpen_ = false;
  bool backFromColorDialog_ = false;
  bool programHadFocus_ = true;  // false while another program has the focus

  std::array<QComboBox*, graf::SettingCount> pickers_{};
  std::array<QLabel*, graf::SettingCount> samples_{};
  std::array<QPushButton*, graf::SettingCount> customButtons_{};
  std::array<QColor, graf::SettingCount> confirmed_{};  // black until a dialog is confirmed
  std::array<QColorDialog*, graf::SettingCount> colorDialogs_{};
  std::array<QLabel*, graf::StateLabelCount> stateLabels_{};
};

}  // namespace graf::ui
