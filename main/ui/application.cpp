#include "main/ui/application.h"

#include <QStatusTipEvent>

#include "platform/help_viewer.h"

#include <QApplication>
#include <QPalette>
#include <QTimer>

#include "functionlist/ui/tfuggvenyablak.h"
#include "functionsets/ui/load_windows.h"
#include "functionsets/ui/tbetoltesablak.h"
#include "functionsets/ui/ttoltmentablak.h"
#include "help/information_windows.h"
#include "help/ui/textraablak.h"
#include "help/ui/tsugoablak.h"
#include "main/ui/tfoablak.h"
#include "main/ui/ui_support.h"
#include "settings/ui/tbeallitasablak.h"
#include "settings/ui/tegyezoszinekablak.h"
#include "settings/ui/tform9.h"
#include "startup/ui/telsofuttatasablak.h"
#include "startup/ui/tfelulbiralasablak.h"
#include "startup/ui/tinduloablak.h"

namespace graf::ui {

GrafolinApp::GrafolinApp() : commands_(state_, picture_, Ports{relay_, relay_, relay_, relay_}) {
  // The name the platform shows for the program. The display name is left to
  // follow it: set explicitly, it would be appended to every window caption.
  QApplication::setApplicationName(QStringLiteral("Grafolin"));
  QApplication::setOrganizationName(QStringLiteral("Velmora"));
  QApplication::setFont(programFont());

  picture_.setTextRenderer(&textRenderer_);
  relay_.notifier = &notifier_;

  // The windows, in the order of their creation.
  foablak_ = std::make_unique<Tfoablak>(commands_);
  relay_.main = foablak_.get();
  notifier_.setParentWindow(foablak_.get());
  commands_.setFaceColor(toColor(foablak_->palette().color(QPalette::Window)));
  sugoablak_ = std::make_unique<Tsugoablak>();
  extraablak_ = std::make_unique<Textraablak>();
  induloablak_ = std::make_unique<Tinduloablak>();
  beallitasablak_ = std::make_unique<Tbeallitasablak>();
  toltmentablak_ = std::make_unique<Ttoltmentablak>(commands_, foablak_.get());
  betoltesablak_ = std::make_unique<Tbetoltesablak>();
  toltmentablak_->setProgressWindow(*betoltesablak_);
  fuggvenyablak_ = std::make_unique<Tfuggvenyablak>(commands_);
  form9_ = std::make_unique<TForm9>();
  elsofuttatasablak_ = std::make_unique<Telsofuttatasablak>();
  felulbiralasablak_ = std::make_unique<Tfelulbiralasablak>();
  egyezoszinekablak_ = std::make_unique<Tegyezoszinekablak>();

  loadWindows_ = std::make_unique<LoadWindows>(*toltmentablak_, *betoltesablak_);
  relay_.list = fuggvenyablak_.get();
  relay_.load = loadWindows_.get();

  foablak_->setFunctionListWindow(fuggvenyablak_.get());
  foablak_->setSettingsWindow(beallitasablak_.get());
  foablak_->setHelpWindow(sugoablak_.get());
  foablak_->setSaveLoadWindow(toltmentablak_.get());

  information_ = std::make_unique<graf::InformationWindows>(*sugoablak_, *extraablak_);
  sugoablak_->setInformationWindows(information_.get());
  extraablak_->setInformationWindows(information_.get());
  extraablak_->setOwnerWindow(sugoablak_.get());

  // The context menus' "Súgó" opens the help file at the window's topic.
  connect(foablak_.get(), &Tfoablak::helpRequested, this, &GrafolinApp::openHelp);
  connect(fuggvenyablak_.get(), &Tfuggvenyablak::helpRequested, this, &GrafolinApp::openHelp);
  connect(toltmentablak_.get(), &Ttoltmentablak::helpRequested, this, &GrafolinApp::openHelp);
  // "Képes súgó" of the help window as well.
  connect(sugoablak_.get(), &Tsugoablak::helpRequested, this, &GrafolinApp::openHelp);

  // Hints of every window, not only the main window's, are shown in the main
  // window's first status panel, never as pop-up tips.
  qApp->installEventFilter(this);

  // Closing the main window ends the program, whatever other window is open.
  connect(foablak_.get(), &Tfoablak::closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
  // The main window appears as the event loop starts.
  QTimer::singleShot(0, foablak_.get(), &QWidget::show);
}

GrafolinApp::~GrafolinApp() {
  // The commands may still be reached while the windows go: point the relay
  // nowhere first.
  relay_.main = nullptr;
  relay_.list = nullptr;
  relay_.load = nullptr;
  // The help and notes windows report their closing while they go.
  sugoablak_->setInformationWindows(nullptr);
  extraablak_->setInformationWindows(nullptr);
}

void GrafolinApp::openHelp(const QString& topic) {
  if (helpHook) {
    helpHook(topic);
    return;
  }
  graf::openHelpTopic(topic);
}

bool GrafolinApp::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::StatusTip && watched->isWidgetType()) {
    QWidget* widget = static_cast<QWidget*>(watched);
    if (foablak_ && widget->window() != foablak_.get() && widget->isWindow())
      foablak_->setStatusPanelText(0, static_cast<QStatusTipEvent*>(event)->tip());
  }
  return QObject::eventFilter(watched, event);
}

std::vector<QWidget*> GrafolinApp::windows() const {
  return {foablak_.get(),       sugoablak_.get(),      extraablak_.get(), induloablak_.get(),
          beallitasablak_.get(), toltmentablak_.get(), betoltesablak_.get(), fuggvenyablak_.get(),
          form9_.get(),         elsofuttatasablak_.get(), felulbiralasablak_.get(), egyezoszinekablak_.get()};
}

}  // namespace graf::ui
