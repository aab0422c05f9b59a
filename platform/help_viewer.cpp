// SPDX-License-Identifier: MIT
#include "platform/help_viewer.h"

#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QWidget>

namespace graf {

namespace {
// A help file larger than this is not the program's.
constexpr qint64 kHelpFileLimit = qint64{16} << 20;
}  // namespace

QString helpAnchor(const QString& topic) {
  static const char hex[] = "0123456789ABCDEF";
  QString anchor = QStringLiteral("t-");
  // Composed and decomposed accents name the same topic.
  for (const char c : topic.normalized(QString::NormalizationForm_C).toUtf8()) {
    const auto b = static_cast<unsigned char>(c);
    const bool plain = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9');
    if (plain) {
      anchor += QChar(b);
    } else {
      anchor += QChar('_');
      anchor += QChar(hex[b >> 4]);
      anchor += QChar(hex[b & 0xF]);
    }
  }
  return anchor;
}

QString findHelpFile(const QString& dir) {
  const QString wanted = QString::fromLatin1(kHelpFileName);
  QDir folder(dir);
  QStringList variants;
  const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  for (const QString& name : names) {
    if (name.compare(wanted, Qt::CaseInsensitive) == 0) variants << name;
  }
  if (variants.isEmpty()) return {};
  QString chosen = variants.first();
  if (variants.contains(wanted.toUpper())) chosen = wanted.toUpper();
  if (variants.contains(wanted)) chosen = wanted;
  return folder.filePath(chosen);
}

QStringList helpFoldersOfProgram(const QString& programDir) {
  return {programDir, QDir::cleanPath(programDir + QStringLiteral("/" GRAFOLIN_INSTALLED_HELP))};
}

QString helpFolderOfProgram(const QString& programDir) {
  for (const QString& folder : helpFoldersOfProgram(programDir)) {
    if (!findHelpFile(folder).isEmpty()) return folder;
  }
  return programDir;
}

bool documentHasAnchor(const QTextDocument& document, const QString& anchor) {
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block.charFormat().anchorNames().contains(anchor)) return true;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.isValid() && fragment.charFormat().anchorNames().contains(anchor)) return true;
    }
  }
  return false;
}

HelpViewer::HelpViewer() = default;

HelpViewer::~HelpViewer() { closeWindow(); }

void HelpViewer::setDirectory(const QString& dir) { dir_ = dir; }

QString HelpViewer::directory() const {
  return dir_.isEmpty() ? helpFolderOfProgram(QCoreApplication::applicationDirPath()) : dir_;
}

QWidget* HelpViewer::window() const { return window_.data(); }

QTextBrowser* HelpViewer::browser() const { return window_ ? browser_ : nullptr; }

QString HelpViewer::message() const {
  if (!window_ || messageLabel_->isHidden()) return {};
  return messageLabel_->text();
}

void HelpViewer::closeWindow() {
  delete window_.data();
  browser_ = nullptr;
  messageLabel_ = nullptr;
}

namespace {

// Escape that nothing in the viewer took (an open context menu takes its
// own) closes the viewer, as Ctrl+W does.
class ViewerKeys : public QObject {
 public:
  explicit ViewerKeys(QWidget* window) : QObject(window) {
    window->installEventFilter(this);
    auto* closeKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), window);
    closeKey->setContext(Qt::WindowShortcut);
    QObject::connect(closeKey, &QShortcut::activated, window, &QWidget::close);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || watched != parent()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier) return false;
    static_cast<QWidget*>(watched)->close();
    return true;
  }
};

}  // namespace

void HelpViewer::ensureWindow() {
  if (window_) return;
  auto* w = new QWidget(nullptr, Qt::Window);
  w->setObjectName(QStringLiteral("helpViewer"));
  w->setWindowTitle(QStringLiteral("Grafolin súgó"));
  new ViewerKeys(w);
  // The help must never keep the program alive after its main window closed.
  w->setAttribute(Qt::WA_QuitOnClose, false);
  w->resize(600, 480);

  auto* label = new QLabel(w);
  label->setObjectName(QStringLiteral("helpMessage"));
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setMargin(6);
  label->setStyleSheet(QStringLiteral("QLabel { color: #8b0000; font-weight: bold; }"));
  label->hide();

  auto* browser = new QTextBrowser(w);
  browser->setObjectName(QStringLiteral("helpText"));
  browser->setAccessibleName(QStringLiteral("A súgó szövege"));
  browser->setOpenLinks(true);
  browser->setOpenExternalLinks(false);

  auto* layout = new QVBoxLayout(w);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(label);
  layout->addWidget(browser, 1);

  window_ = w;
  browser_ = browser;
  messageLabel_ = label;
}

void HelpViewer::showMessage(const QString& text) {
  messageLabel_->setText(text);
  messageLabel_->setVisible(!text.isEmpty());
}

void HelpViewer::openTopic(const QString& topic) {
  ensureWindow();
  const QString dir = directory();
  const QString path = findHelpFile(dir);
  QString problem;
  QString html;
  if (path.isEmpty()) {
    QStringList searched =
        dir_.isEmpty() ? helpFoldersOfProgram(QCoreApplication::applicationDirPath()) : QStringList{dir_};
    for (QString& folder : searched) folder = QDir::toNativeSeparators(folder);
    problem = QStringLiteral("A súgófájl (%1) nem található.\n%2: %3")
                  .arg(QString::fromLatin1(kHelpFileName),
                       searched.size() == 1 ? QStringLiteral("Keresett mappa") : QStringLiteral("Keresett mappák"),
                       searched.join(QStringLiteral(", ")));
  } else {
    QByteArray bytes;
    QString why;
    if (graf::platform::readWholeFile(path, kHelpFileLimit, &bytes, &why) && bytes.size() <= kHelpFileLimit) {
      html = QString::fromUtf8(bytes);
    } else {
      if (why.isEmpty()) why = QStringLiteral("nagyobb %1 MiB-nál").arg(kHelpFileLimit >> 20);
      problem = QStringLiteral("A súgófájl (%1) nem olvasható: %2.").arg(QDir::toNativeSeparators(path), why);
    }
  }

  browser_->setSearchPaths({dir});
  browser_->setHtml(html);
  const QString anchor = helpAnchor(topic);
  const bool found = !topic.isEmpty() && documentHasAnchor(*browser_->document(), anchor);
  if (problem.isEmpty() && !topic.isEmpty() && !found) {
    problem = QStringLiteral("A(z) „%1” témakör nem található a súgóban.").arg(topic);
  }
  showMessage(problem);

  window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
  window_->show();
  window_->raise();
  window_->activateWindow();
  // Scrolling needs the window shown, so that the text is laid out at its
  // real width.
  if (found) {
    browser_->scrollToAnchor(anchor);
  } else {
    browser_->verticalScrollBar()->setValue(0);
  }
}

HelpViewer& sharedHelpViewer() {
  // Built once and never destroyed: its window is deleted when the event loop
  // ends, while the application still exists.
  static HelpViewer* viewer = [] {
    auto* v = new HelpViewer;
    if (QCoreApplication* app = QCoreApplication::instance()) {
      QObject::connect(app, &QCoreApplication::aboutToQuit, app, [v] { v->closeWindow(); });
    }
    return v;
  }();
  return *viewer;
}

void openHelpTopic(const QString& topic) { sharedHelpViewer().openTopic(topic); }

}  // namespace graf
