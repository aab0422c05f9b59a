// SPDX-License-Identifier: MIT
#include "app/ui/application.h"

#include <QStatusTipEvent>

#include "platform/clock_store.h"
#include "platform/cpu_clock.h"
#include "platform/files.h"
#include "platform/help_viewer.h"
#include "platform/settings_store.h"

#include <QAction>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QApplication>
#include <QPalette>
#include <QTimer>
#include <utility>

#include "common/ui/accessibility.h"
#include "common/ui/keyboard_rules.h"
#include "common/ui/window_lock.h"
#include "functionlist/ui/tfuggvenyablak.h"
#include "functionsets/ui/load_windows.h"
#include "functionsets/ui/tbetoltesablak.h"
#include "functionsets/ui/ttoltmentablak.h"
#include "help/information_windows.h"
#include "help/ui/textraablak.h"
#include "help/ui/tsugoablak.h"
#include "main/ui/tfoablak.h"
#include "common/ui/ui_support.h"
#include "settings/ui/tbeallitasablak.h"
#include "settings/ui/tegyezoszinekablak.h"
#include "settings/ui/tform9.h"
#include "startup/ui/telsofuttatasablak.h"
#include "startup/ui/tfelulbiralasablak.h"
#include "startup/ui/tinduloablak.h"

namespace graf::ui {

namespace {

// The start-up's first step reads the settings file.
class SettingsFileReader : public SettingsReader {
 public:
  explicit SettingsFileReader(GrafolinApp& app) : app_(app) {}
  bool readSettings() override {
    // Every problem with the file is reported and replaced by defaults, so
    // the start-up always goes on.
    app_.readSettingsFile();
    return true;
  }

 private:
  GrafolinApp& app_;
};

}  // namespace

// The start-up's view of the windows.
class StartupWindows : public StartupWindowsPort {
 public:
  StartupWindows(Tfoablak& main, Tinduloablak& splash, Telsofuttatasablak& firstRun)
      : main_(main), splash_(splash), firstRun_(firstRun) {}

  void showMainWindow() override { main_.show(); }
  void setMainWindowEnabled(bool enabled) override { main_.setEnabled(enabled); }
  void focusMainWindow() override {
    main_.raise();
    main_.activateWindow();
  }
  void setClockNote(const std::string& text) override { main_.setStatusPanelText(2, QString::fromStdString(text)); }
  void showFirstRunWindow() override {
    firstRun_.show();
    firstRun_.raise();
    firstRun_.activateWindow();
  }
  void hideFirstRunWindow() override { firstRun_.hide(); }
  // As "Függvényablak mutatása" shows it, with the action checked.
  void showFunctionListWindow() override { main_.showFunctionList(); }
  int splashOpacity() const override { return qRound(splash_.windowOpacity() * 255); }
  void setSplashOpacity(int opacity) override { splash_.setWindowOpacity(opacity / 255.0); }
  void finishSplash() override { splash_.finish(); }

 private:
  Tfoablak& main_;
  Tinduloablak& splash_;
  Telsofuttatasablak& firstRun_;
};

// What the settings need of the main window and the function list window.
class GrafolinApp::MainSettingsPort : public SettingsMainPort {
 public:
  MainSettingsPort(Tfoablak& main, Tfuggvenyablak& list) : main_(main), list_(list) {}
  void setSwatchColors(Color linear, Color quadratic, Color quadratic2, Color absolute) override {
    main_.setSwatchColor(Kind::Linear, linear);
    main_.setSwatchColor(Kind::Quadratic, quadratic);
    main_.setSwatchColor(Kind::Quadratic2, quadratic2);
    main_.setSwatchColor(Kind::AbsoluteValue, absolute);
  }
  void setFunctionListShown(bool shown) override {
    if (shown) {
      list_.show();
    } else {
      list_.hide();
      main_.setFunctionListChecked(false);
    }
  }
  // As "Ábrázol" and a click of "M&utasd a függvényt!" do.
  void runPlotCommand() override { main_.plot(); }

 private:
  Tfoablak& main_;
  Tfuggvenyablak& list_;
};

GrafolinApp::GrafolinApp(ClockPlatform clockPlatform)
    : commands_(state_, picture_, Ports{notifier_, loadSession_}) {
  // The name the platform shows for the program. The display name is left to
  // follow it: set explicitly, it would be appended to every window caption.
  QApplication::setApplicationName(QStringLiteral("Grafolin"));
  QApplication::setOrganizationName(QStringLiteral("Velmora"));
  // The menu entry that the desktop shows the program's windows with.
  QGuiApplication::setDesktopFileName(QStringLiteral("hu.velmora.grafolin"));
  QApplication::setFont(programFont());
  // Every window of the program, the message boxes too, shows the program's icon.
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/grafolin/grafolin.svg")));
  keyboardRules_ = std::make_unique<KeyboardRules>();
  // Qt's own texts (the file and colour dialogs, the fields' menus) in the
  // user's language; the program's texts are fixed and stay as they are.
  qtTranslator_ = std::make_unique<QTranslator>();
  if (qtTranslator_->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qtTranslator_.get());

  picture_.setTextRenderer(&textRenderer_);

  // The clock commands of the first-run, clock-override and settings windows.
  if (!clockPlatform.store) ownStore_ = std::make_unique<platform::SettingsClockStore>();
  if (!clockPlatform.meter) ownMeter_ = std::make_unique<platform::CycleCounterMeter>();
  ClockStore& store = clockPlatform.store ? *clockPlatform.store : *ownStore_;
  ClockMeter& meter = clockPlatform.meter ? *clockPlatform.meter : *ownMeter_;
  clockCommands_ = std::make_unique<ClockCommands>(clock_, store, meter, notifier_);

  // The windows. Each is made after the windows it needs: the main window
  // first, the progress window before the save/load window, and the quick
  // view and the matching-colours warning before the settings window.
  foablak_ = std::make_unique<Tfoablak>(commands_);
  notifier_.setParentWindow(foablak_.get());
  commands_.setFaceColor(toColor(foablak_->palette().color(QPalette::Window)));
  sugoablak_ = std::make_unique<Tsugoablak>();
  extraablak_ = std::make_unique<Textraablak>(sugoablak_.get());
  induloablak_ = std::make_unique<Tinduloablak>();
  form9_ = std::make_unique<TForm9>();
  egyezoszinekablak_ = std::make_unique<Tegyezoszinekablak>();
  beallitasablak_ = std::make_unique<Tbeallitasablak>(state_, settingsState_, foablak_.get(), *form9_,
                                                      *egyezoszinekablak_, [this] { return clock_.CpuMhz; });
  betoltesablak_ = std::make_unique<Tbetoltesablak>();
  toltmentablak_ =
      std::make_unique<Ttoltmentablak>(commands_, loadSession_, setFiles_, *betoltesablak_, foablak_.get());
  fuggvenyablak_ = std::make_unique<Tfuggvenyablak>(commands_);
  elsofuttatasablak_ = std::make_unique<Telsofuttatasablak>(*clockCommands_);
  felulbiralasablak_ = std::make_unique<Tfelulbiralasablak>(*clockCommands_, state_.settings, beallitasablak_.get());

  // The start-up, driven by the splash's timer.
  settingsReader_ = std::make_unique<SettingsFileReader>(*this);
  startupWindows_ = std::make_unique<StartupWindows>(*foablak_, *induloablak_, *elsofuttatasablak_);
  startup_ = std::make_unique<Startup>(state_, clock_, store, *settingsReader_, *startupWindows_);
  connect(induloablak_.get(), &Tinduloablak::activated, this, [this] { startup_->splashActivated(); });
  connect(induloablak_.get(), &Tinduloablak::startupAttemptDue, this, &GrafolinApp::startupAttemptDue);

  loadWindows_ = std::make_unique<LoadWindows>(*toltmentablak_, *betoltesablak_);
  settingsFile_ = std::make_unique<graf::platform::SettingsFileStore>();
  mainSettingsPort_ = std::make_unique<MainSettingsPort>(*foablak_, *fuggvenyablak_);
  // Every activation of the main window applies and stores accepted settings.
  connect(foablak_.get(), &Tfoablak::activated, this, [this] { MainWindowActivate(state_, settingsState_, settingsPorts()); });
  // The windows exist after the core and subscribe to what it shows.
  commands_.setFunctionList(fuggvenyablak_.get());
  loadSession_.setWindows(loadWindows_.get());

  // The windows that the main window's menu opens. "Függvényablak mutatása"
  // stays checked while the function list is shown.
  Tfuggvenyablak* list = fuggvenyablak_.get();
  // The list takes the keyboard focus as it comes forward; Escape in it gives
  // the focus back to the main window, and the list stays open.
  connect(foablak_.get(), &Tfoablak::functionListRequested, list, [list] { showInFront(list); });
  onUnclaimedEscape(*list, [main = foablak_.get()] { showInFront(main); });
  connect(list, &Tfuggvenyablak::visibilityChanged, foablak_.get(), &Tfoablak::setFunctionListChecked);
  connect(foablak_.get(), &Tfoablak::settingsRequested, beallitasablak_.get(),
          [settings = beallitasablak_.get()] { showInFront(settings); });
  connect(foablak_.get(), &Tfoablak::helpWindowRequested, sugoablak_.get(),
          [help = sugoablak_.get()] { showInFront(help); });
  // The save/load window locks the main window itself; the settings and help
  // windows are worked in alone too.
  lockWhileShown(*beallitasablak_, foablak_.get());
  lockWhileShown(*sugoablak_, foablak_.get());
  connect(foablak_.get(), &Tfoablak::saveLoadRequested, toltmentablak_.get(), &Ttoltmentablak::open);

  // The help window and its notes report to both of them together. Each
  // connection lives only while both windows do: it goes with its sender and
  // with the other window.
  information_ = std::make_unique<graf::InformationWindows>(*sugoablak_, *extraablak_);
  graf::InformationWindows* info = information_.get();
  connect(sugoablak_.get(), &Tsugoablak::okPressed, extraablak_.get(), [info] { info->okPressed(); });
  connect(sugoablak_.get(), &Tsugoablak::dotPressed, extraablak_.get(), [info] { info->dotPressed(); });
  connect(sugoablak_.get(), &Tsugoablak::closed, extraablak_.get(), [info] { info->helpClosed(); });
  connect(extraablak_.get(), &Textraablak::okePressed, sugoablak_.get(), [info] { info->okePressed(); });
  // While the notes are shown, the help window behind them is see-through and
  // cannot be used.
  lockWhileShown(*extraablak_, sugoablak_.get(), graf::kBehindNotesOpacity);

  // The context menus' "Súgó" opens the help file at the window's topic.
  connect(foablak_.get(), &Tfoablak::helpRequested, this, &GrafolinApp::openHelp);
  connect(fuggvenyablak_.get(), &Tfuggvenyablak::helpRequested, this, &GrafolinApp::openHelp);
  connect(toltmentablak_.get(), &Ttoltmentablak::helpRequested, this, &GrafolinApp::openHelp);
  // "Képes súgó" of the help window as well.
  connect(sugoablak_.get(), &Tsugoablak::helpRequested, this, &GrafolinApp::openHelp);
  connect(beallitasablak_.get(), &Tbeallitasablak::helpRequested, this, &GrafolinApp::openHelp);
  // The settings window's clock controls.
  connect(beallitasablak_.get(), &Tbeallitasablak::newProcessorRequested, this, &GrafolinApp::remeasureClock);
  connect(beallitasablak_.get(), &Tbeallitasablak::clockOverrideRequested, this, &GrafolinApp::openClockOverride);

  // Screen readers name and describe the controls by their hints, and hear
  // every window as a window, named by its caption.
  for (QWidget* window : windows()) {
    graf::ui::describeControls(window);
    if (window != foablak_.get()) exposeAsWindow(window, WindowRole::Dialog);
  }
  // The windows with a fixed place open wholly on the main window's screen,
  // at any scale factor.
  keepOnScreenWhenShown(fuggvenyablak_.get(), foablak_.get());
  keepOnScreenWhenShown(form9_.get(), foablak_.get());

  // Hints of every window, not only the main window's, are shown in the main
  // window's first status panel, never as pop-up tips.
  qApp->installEventFilter(this);

  // Closing the main window ends the program, whatever other window is open.
  connect(foablak_.get(), &Tfoablak::closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
  // The splash is up from the start, over the main window, which appears as
  // the event loop starts; the main window stays disabled until the
  // splash's timer has completed the start-up.
  induloablak_->show();
  QTimer::singleShot(0, foablak_.get(), &QWidget::show);
  QTimer::singleShot(0, induloablak_.get(), [splash = induloablak_.get()] {
    if (splash->finished()) return;
    splash->raise();
    splash->activateWindow();
  });
}

void GrafolinApp::startupAttemptDue() {
  // A set named on the command line is loaded once the start-up has handed
  // the main window to the user, after the tick that completed it.
  if (startup_->tick()) QMetaObject::invokeMethod(this, &GrafolinApp::mainWindowHandedOver, Qt::QueuedConnection);
}

void GrafolinApp::mainWindowHandedOver() {
  const QString file = std::exchange(startFile_, QString());
  if (!file.isEmpty()) toltmentablak_->loadFile(platform::argumentBytes(file).toStdString());
}

GrafolinApp::~GrafolinApp() {
  // The windows that go hide: no hint is looked after any more.
  qApp->removeEventFilter(this);
  hintControl_ = nullptr;
  // No focus moves between windows that are going.
  keyboardRules_.reset();
  // The commands may still be reached while the windows go: they tell the
  // list and the load windows nothing more.
  commands_.setFunctionList(nullptr);
  loadSession_.setWindows(nullptr);
}

void GrafolinApp::remeasureClock() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  clockCommands_->remeasure();
  QApplication::restoreOverrideCursor();
}

void GrafolinApp::openClockOverride() {
  showInFront(felulbiralasablak_.get());
}
SettingsPorts GrafolinApp::settingsPorts() { return SettingsPorts{*settingsFile_, *mainSettingsPort_, notifier_}; }

void GrafolinApp::readSettingsFile() { ReadSettingsFile(state_, settingsState_, settingsPorts()); }

void GrafolinApp::openHelp(const QString& topic) {
  if (helpHook) {
    helpHook(topic);
    return;
  }
  graf::openHelpTopic(topic);
  // The viewer is a window of its own, beside the others.
  if (QWidget* viewer = graf::sharedHelpViewer().window()) exposeAsWindow(viewer, WindowRole::Frame);
}

bool GrafolinApp::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::StatusTip && watched->isWidgetType()) {
    QWidget* widget = static_cast<QWidget*>(watched);
    const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
    // The hint's control is the first that the event reaches; the event then
    // climbs to the control's window.
    if (event != lastHintEvent_ || tip != shownHint_) {
      lastHintEvent_ = event;
      hintControl_ = widget;
      shownHint_ = tip;
    }
    if (foablak_ && widget->window() != foablak_.get() && widget->isWindow())
      foablak_->setStatusPanelText(0, tip);
  }
  // A hint stays only while its control is shown.
  if (event->type() == QEvent::Hide && watched->isWidgetType() && hintControl_ && foablak_) {
    QWidget* hidden = static_cast<QWidget*>(watched);
    if ((hidden == hintControl_ || hidden->isAncestorOf(hintControl_)) &&
        foablak_->statusPanelText(0) == shownHint_ && !shownHint_.isEmpty())
      foablak_->setStatusPanelText(0, QString());
  }
  return QObject::eventFilter(watched, event);
}

std::vector<QWidget*> GrafolinApp::windows() const {
  return {foablak_.get(),       sugoablak_.get(),      extraablak_.get(), induloablak_.get(),
          beallitasablak_.get(), toltmentablak_.get(), betoltesablak_.get(), fuggvenyablak_.get(),
          form9_.get(),         elsofuttatasablak_.get(), felulbiralasablak_.get(), egyezoszinekablak_.get()};
}

}  // namespace graf::ui
