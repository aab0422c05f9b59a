// SPDX-License-Identifier: MIT
#pragma once
// The function list window, the save/load window and the progress window,
// wired to real commands; the main window and the message boxes are the
// recording fake, and the file dialogs answer from queues that each test
// fills. Every test runs in a fresh current directory of its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <vector>

#include "functionlist/ui/tfuggvenyablak.h"
#include "functionsets/ui/load_windows.h"
#include "functionsets/ui/tbetoltesablak.h"
#include "functionsets/ui/ttoltmentablak.h"
#include "platform/set_files.h"
#include "tests/support/fake_ui.h"

namespace graf::testing {

// The program's windows, by their own names.
using graf::ui::LoadWindows;
using graf::ui::Tbetoltesablak;
using graf::ui::Tfuggvenyablak;
using graf::ui::Ttoltmentablak;

class WindowsTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString previousDir = QDir::currentPath();

  PlotState st;
  Raster pic;
  FakeUi ui;
  LoadSession session;
  Commands cmd{st, pic, Ports{ui, session}};

  QWidget mainWindow;
  Tbetoltesablak progress;
  Tfuggvenyablak listWindow{cmd};
  platform::SetFileSystem files;
  Ttoltmentablak window{cmd, session, files, progress, &mainWindow};
  LoadWindows loadWindows{window, progress};

  // What the file dialogs answer, in order; an empty name is a cancel.
  std::deque<QString> saveAnswers, openAnswers;

  WindowsTest() {
    QDir::setCurrent(dir.path());
    // The windows exist after the commands and subscribe to them.
    ui.attach(cmd);
    cmd.setFunctionList(&listWindow);
    session.setWindows(&loadWindows);
    cmd.setFaceColor(0xF0F0F0);
    window.saveDialog = [this] { return answer(saveAnswers, "save"); };
    window.openDialog = [this] { return answer(openAnswers, "open"); };
  }
  ~WindowsTest() override {
    EXPECT_TRUE(saveAnswers.empty() && openAnswers.empty()) << "a file dialog that was expected never opened";
    QDir::setCurrent(previousDir);
  }

  static QString answer(std::deque<QString>& answers, const char* which) {
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected " << which << " dialog";
      return QString();
    }
    QString a = answers.front();
    answers.pop_front();
    return a;
  }

  template <class T>
  T* child(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  QPushButton* button(const char* name) { return child<QPushButton>(window, name); }
  QListWidget* list() { return child<QListWidget>(listWindow, "ListBox1"); }

  // Chooses a kind, types the fields and presses F5 in the (fake) main window.
  void plot(Kind kind, const std::string& a, const std::string& b, const std::string& c = "") {
    cmd.selectKind(kind);
    ui.type(a, b, c);
    cmd.plotCommand(ui.fields, ui.kind);
  }

  // Saves through "Ment" with the check box as it is; with a name, through the save dialog.
  void save(const QString& name = QString());
  // Loads a file through "Tölt".
  void load(const QString& name) {
    openAnswers.push_back(name);
    button("Button2")->click();
  }

  // The table as "kind:a:b:c", entries 1..table.FunctionCount.
  std::vector<std::string> table() const {
    std::vector<std::string> out;
    for (int i = 1; i <= st.table.FunctionCount; ++i)
      out.push_back(std::to_string(kindNumber(st.table.FunctionKind[i])) + ":" + std::to_string(st.table.CoefA[i]) + ":" +
                    std::to_string(st.table.CoefB[i]) + ":" + std::to_string(st.table.CoefC[i]));
    return out;
  }
  // The texts of the list window's items.
  QStringList rows() {
    QStringList out;
    for (int i = 0; i < list()->count(); ++i) out << list()->item(i)->text();
    return out;
  }
  std::vector<Color> pixels() const {
    return pic.exists() ? std::vector<Color>(pic.data(), pic.data() + Raster::Width * Raster::Height)
                        : std::vector<Color>();
  }
  static QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
  }
  // Types text key by key (QTest::keyClicks knows only ASCII).
  static void typeInto(QWidget* w, const QString& text) {
    for (const QChar ch : text) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(w, &press);
      QApplication::sendEvent(w, &release);
    }
  }
  // The right mouse button on a widget: the event goes up to the first
  // widget that has a context menu.
  static void requestContextMenu(QWidget& w) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), w.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&w, &event);
  }
};

inline void WindowsTest::save(const QString& name) {
  if (!name.isNull()) {
    child<QCheckBox>(window, "CheckBox1")->setChecked(false);
    saveAnswers.push_back(name);
  }
  button("Button1")->click();
}

}  // namespace graf::testing
