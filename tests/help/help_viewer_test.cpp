// SPDX-License-Identifier: MIT
#include "platform/help_viewer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <ostream>

// Readable failure messages for Qt strings.
void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

using graf::HelpViewer;

// The jump identifiers the program's windows use.
const QStringList kTopics = {
    QStringLiteral("Függvény ábrázolása"), QStringLiteral("Függvény törlése"),
    QStringLiteral("Függvényablak"),       QStringLiteral("Program beállítása"),
    QStringLiteral("Függvény töltése és mentése"), QStringLiteral("Üdvözlés"),
};

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QSet<QString> anchorNames(const QTextDocument& doc) {
  QSet<QString> names;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
    for (auto it = b.begin(); !it.atEnd(); ++it)
      for (const QString& n : it.fragment().charFormat().anchorNames()) names.insert(n);
  return names;
}

// Each test gets a folder of its own and a viewer that looks there.
class HelpViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    viewer_.setDirectory(dir_.path());
  }
  void install(const QString& name) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(GRAFOLIN_HELP_SOURCE), dir_.filePath(name)));
  }
  // The text of the paragraph at the top of the viewer's text area.
  QString topLine() const {
    return viewer_.browser()->cursorForPosition(QPoint(8, 2)).block().text().trimmed();
  }
  int scroll() const { return viewer_.browser()->verticalScrollBar()->value(); }

  QTemporaryDir dir_{QDir::currentPath() + QStringLiteral("/help-XXXXXX")};
  HelpViewer viewer_;
};

TEST(HelpAnchor, EncodesEveryByteButAsciiLettersAndDigits) {
  const struct {
    QString topic;
    QString anchor;
  } cases[] = {
      {QStringLiteral("Üdvözlés"), QStringLiteral("t-_C3_9Cdv_C3_B6zl_C3_A9s")},
      {QStringLiteral("Függvény törlése"), QStringLiteral("t-F_C3_BCggv_C3_A9ny_20t_C3_B6rl_C3_A9se")},
      {QStringLiteral("Program beállítása"), QStringLiteral("t-Program_20be_C3_A1ll_C3_ADt_C3_A1sa")},
      {QStringLiteral("a b"), QStringLiteral("t-a_20b")},
      {QStringLiteral("a_20b"), QStringLiteral("t-a_5F20b")},
      {QStringLiteral("x-1"), QStringLiteral("t-x_2D1")},
      // Decomposed accents (U with a combining diaeresis) name the same topic.
      {QStringLiteral("U\u0308dvo\u0308zle\u0301s"), QStringLiteral("t-_C3_9Cdv_C3_B6zl_C3_A9s")},
  };
  for (const auto& c : cases) EXPECT_EQ(graf::helpAnchor(c.topic), c.anchor) << c.topic.toStdString();
}

TEST(HelpAnchor, DistinctTopicsGetDistinctSafeAnchors) {
  QStringList topics = kTopics;
  topics << QStringLiteral("a b") << QStringLiteral("a_20b") << QStringLiteral("a%20b")
         << QStringLiteral("függvény ábrázolása") << QStringLiteral("Függvény ábrázolása ");
  QSet<QString> anchors;
  const QRegularExpression safe(QStringLiteral("^t-[A-Za-z0-9_-]*$"));
  for (const QString& t : topics) {
    const QString a = graf::helpAnchor(t);
    EXPECT_TRUE(safe.match(a).hasMatch()) << a.toStdString();
    anchors.insert(a);
  }
  EXPECT_EQ(anchors.size(), topics.size());
}

TEST(HelpFile, FoundUnderAnyCaseVariantOfItsName) {
  const struct {
    QStringList present;
    QString found;
  } cases[] = {
      {{"help.hlp"}, "help.hlp"},
      {{"HELP.HLP"}, "HELP.HLP"},
      {{"Help.Hlp"}, "Help.Hlp"},
      {{"HELP.HLP", "help.hlp", "Help.hlp"}, "help.hlp"},
      {{"Help.hlp", "HELP.HLP"}, "HELP.HLP"},
      {{"help.hlp.bak", "xhelp.hlp", "help.txt"}, ""},
      {{}, ""},
  };
  for (const auto& c : cases) {
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/find-XXXXXX"));
    ASSERT_TRUE(dir.isValid());
    for (const QString& name : c.present) {
      QFile f(dir.filePath(name));
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const QString expected = c.found.isEmpty() ? QString() : dir.filePath(c.found);
    EXPECT_EQ(graf::findHelpFile(dir.path()), expected) << c.present.join(',').toStdString();
  }
}

TEST(HelpFile, AFolderOfThatNameIsNoHelpFile) {
  QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/find-XXXXXX"));
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("help.hlp")));
  EXPECT_EQ(graf::findHelpFile(dir.path()), QString());
}

TEST(HelpFile, AnInstalledProgramFindsItInItsShareFolder) {
  // PREFIX/bin holds the program; PREFIX/share/grafolin the installed help.
  const struct {
    QStringList present;  // help files, relative to PREFIX
    const char* folder;   // the help folder found, relative to PREFIX
  } cases[] = {
      {{"share/grafolin/help.hlp"}, "share/grafolin"},
      {{"share/grafolin/HELP.HLP"}, "share/grafolin"},
      {{"bin/help.hlp", "share/grafolin/help.hlp"}, "bin"},  // the build folder's way wins
      {{"share/help.hlp", "help.hlp"}, "bin"},                // nowhere it is looked for
      {{}, "bin"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.present.join(',').toStdString());
    QTemporaryDir prefix(QDir::currentPath() + QStringLiteral("/prefix-XXXXXX"));
    ASSERT_TRUE(prefix.isValid());
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    for (const QString& name : c.present) {
      ASSERT_TRUE(QDir(prefix.path()).mkpath(QFileInfo(name).path()));
      QFile f(prefix.filePath(name));
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(graf::helpFolderOfProgram(prefix.filePath(QStringLiteral("bin"))),
              prefix.filePath(QString::fromLatin1(c.folder)));
  }
}

TEST(HelpFile, ShipsBesideTheProgram) {
  const QByteArray shipped = readAll(QStringLiteral(GRAFOLIN_HELP_SHIPPED));
  ASSERT_FALSE(shipped.isEmpty());
  EXPECT_EQ(shipped, readAll(QStringLiteral(GRAFOLIN_HELP_SOURCE)));
}

TEST(HelpFile, HasExactlyOneSectionPerTopicAndNoDeadLinks) {
  QTextDocument doc;
  doc.setHtml(QString::fromUtf8(readAll(QStringLiteral(GRAFOLIN_HELP_SOURCE))));
  QSet<QString> expected;
  for (const QString& t : kTopics) expected.insert(graf::helpAnchor(t));
  EXPECT_EQ(anchorNames(doc), expected);

  int links = 0;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QString href = it.fragment().charFormat().anchorHref();
      if (href.isEmpty()) continue;
      ++links;
      ASSERT_TRUE(href.startsWith('#')) << href.toStdString();
      EXPECT_TRUE(expected.contains(href.mid(1))) << href.toStdString();
    }
  EXPECT_GT(links, 0);
}

class HelpTopicTest : public HelpViewerTest, public ::testing::WithParamInterface<QString> {};

TEST_P(HelpTopicTest, OpensAtTheTopicsHeading) {
  install(QStringLiteral("help.hlp"));
  viewer_.openTopic(GetParam());
  ASSERT_NE(viewer_.window(), nullptr);
  EXPECT_TRUE(viewer_.window()->isVisible());
  EXPECT_EQ(viewer_.message(), QString());
  EXPECT_TRUE(graf::documentHasAnchor(*viewer_.browser()->document(), graf::helpAnchor(GetParam())));
  // The topic's heading, which carries its identifier, heads the view.
  EXPECT_EQ(topLine(), GetParam());
  if (GetParam() != QStringLiteral("Üdvözlés")) {
    EXPECT_GT(scroll(), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryTopic, HelpTopicTest, ::testing::ValuesIn(kTopics));

TEST_F(HelpViewerTest, UpperCaseFileNameIsFound) {
  install(QStringLiteral("HELP.HLP"));
  viewer_.openTopic(QStringLiteral("Függvényablak"));
  EXPECT_EQ(viewer_.message(), QString());
  EXPECT_EQ(topLine(), QStringLiteral("Függvényablak"));
}

TEST_F(HelpViewerTest, MissingFileIsReportedInTheViewer) {
  viewer_.openTopic(QStringLiteral("Üdvözlés"));
  ASSERT_NE(viewer_.window(), nullptr);
  EXPECT_TRUE(viewer_.window()->isVisible());
  EXPECT_TRUE(viewer_.message().startsWith(QStringLiteral("A súgófájl (help.hlp) nem található.")))
      << viewer_.message().toStdString();
  EXPECT_TRUE(viewer_.message().contains(QDir::toNativeSeparators(dir_.path())));
  EXPECT_TRUE(viewer_.browser()->toPlainText().isEmpty());
}

TEST_F(HelpViewerTest, MissingFolderIsReportedInTheViewer) {
  viewer_.setDirectory(dir_.filePath(QStringLiteral("nincs")));
  viewer_.openTopic(QStringLiteral("Üdvözlés"));
  EXPECT_TRUE(viewer_.message().startsWith(QStringLiteral("A súgófájl (help.hlp) nem található.")));
}

TEST_F(HelpViewerTest, MissingFileNamesEveryFolderSearched) {
  viewer_.setDirectory(QString());
  const QStringList folders = graf::helpFoldersOfProgram(QCoreApplication::applicationDirPath());
  ASSERT_EQ(folders.size(), 2);
  for (const QString& folder : folders) {
    if (!graf::findHelpFile(folder).isEmpty()) GTEST_SKIP() << "a help file lies in " << folder.toStdString();
  }
  viewer_.openTopic(QStringLiteral("Üdvözlés"));
  EXPECT_TRUE(viewer_.message().contains(QStringLiteral("Keresett mappák: ")));
  for (const QString& folder : folders) {
    EXPECT_TRUE(viewer_.message().contains(QDir::toNativeSeparators(folder))) << viewer_.message().toStdString();
  }
}

TEST_F(HelpViewerTest, UnreadableFileIsReportedInTheViewer) {
  // A link that leads nowhere carries the name but cannot be opened.
  ASSERT_TRUE(QFile::link(dir_.filePath(QStringLiteral("sehol")), dir_.filePath(QStringLiteral("help.hlp"))));
  viewer_.openTopic(QStringLiteral("Üdvözlés"));
  EXPECT_TRUE(viewer_.message().startsWith(QStringLiteral("A súgófájl (")));
  EXPECT_TRUE(viewer_.message().endsWith(QStringLiteral(") nem olvasható: a fájl nem létezik.")))
      << viewer_.message().toStdString();
}

// A pipe by the help file's name is never waited on: with no writer, opening
// it for reading would block the program.
TEST_F(HelpViewerTest, APipeInPlaceOfTheHelpFileIsReportedWithoutWaiting) {
  ASSERT_EQ(::mkfifo(QFile::encodeName(dir_.filePath(QStringLiteral("help.hlp"))).constData(), 0600), 0);
  viewer_.openTopic(QStringLiteral("Üdvözlés"));
  EXPECT_TRUE(viewer_.message().endsWith(QStringLiteral(") nem olvasható: nem közönséges fájl (például cső vagy eszköz).")))
      << viewer_.message().toStdString();
  EXPECT_TRUE(viewer_.browser()->toPlainText().isEmpty());
}

TEST_F(HelpViewerTest, MissingTopicIsReportedAndTheFileShownFromItsStart) {
  install(QStringLiteral("help.hlp"));
  viewer_.openTopic(QStringLiteral("Program beállítása"));
  ASSERT_GT(scroll(), 0);
  viewer_.openTopic(QStringLiteral("Nincs ilyen"));
  EXPECT_EQ(viewer_.message(), QStringLiteral("A(z) „Nincs ilyen” témakör nem található a súgóban."));
  EXPECT_EQ(scroll(), 0);
  EXPECT_EQ(topLine(), QStringLiteral("Üdvözlés"));
}

TEST_F(HelpViewerTest, OneWindowServesEveryJumpAndForgetsOldProblems) {
  install(QStringLiteral("help.hlp"));
  viewer_.openTopic(QStringLiteral("Nincs ilyen"));
  QWidget* first = viewer_.window();
  ASSERT_FALSE(viewer_.message().isEmpty());

  viewer_.openTopic(QStringLiteral("Függvény töltése és mentése"));
  EXPECT_EQ(viewer_.window(), first);
  EXPECT_EQ(viewer_.message(), QString());
  EXPECT_EQ(topLine(), QStringLiteral("Függvény töltése és mentése"));

  first->close();  // the user closes the viewer; the next jump brings it back
  viewer_.openTopic(QStringLiteral("Üdvözlés"));
  EXPECT_EQ(viewer_.window(), first);
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(topLine(), QStringLiteral("Üdvözlés"));

  int viewers = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QStringLiteral("helpViewer")) ++viewers;
  EXPECT_EQ(viewers, 1);
}

TEST_F(HelpViewerTest, FollowingALinkGoesToItsTopic) {
  install(QStringLiteral("help.hlp"));
  viewer_.openTopic(QStringLiteral("Üdvözlés"));
  // What a click on an entry of the contents does.
  viewer_.browser()->setSource(QUrl(QLatin1Char('#') + graf::helpAnchor(QStringLiteral("Függvényablak"))));
  EXPECT_EQ(topLine(), QStringLiteral("Függvényablak"));
  EXPECT_EQ(viewer_.message(), QString());
}

TEST_F(HelpViewerTest, ReturnsAtOnceAndLeavesTheCallerAlone) {
  install(QStringLiteral("help.hlp"));
  // A caller disabled as the main window is while the help window is open.
  QWidget caller;
  caller.setWindowTitle(QStringLiteral("Hívó"));
  caller.setGeometry(40, 50, 300, 200);
  caller.show();
  caller.setEnabled(false);
  const QRect geometry = caller.geometry();

  bool loopRan = false;
  QTimer::singleShot(0, [&loopRan] { loopRan = true; });
  viewer_.openTopic(QStringLiteral("Függvény törlése"));
  EXPECT_FALSE(loopRan) << "the call ran the event loop";

  EXPECT_FALSE(caller.isEnabled());
  EXPECT_TRUE(caller.isVisible());
  EXPECT_EQ(caller.geometry(), geometry);
  EXPECT_EQ(caller.windowTitle(), QStringLiteral("Hívó"));

  QWidget* w = viewer_.window();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isWindow());
  EXPECT_EQ(w->parentWidget(), nullptr);
  EXPECT_EQ(w->windowModality(), Qt::NonModal);
  EXPECT_TRUE(w->isEnabled());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  // Closing the main window must still end the program.
  EXPECT_FALSE(w->testAttribute(Qt::WA_QuitOnClose));
}

TEST(SharedHelpViewer, LooksBesideTheProgramAndOpensThroughTheFreeFunction) {
  graf::HelpViewer& shared = graf::sharedHelpViewer();
  EXPECT_EQ(&shared, &graf::sharedHelpViewer());
  EXPECT_EQ(shared.directory(), QCoreApplication::applicationDirPath());

  QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/shared-XXXXXX"));
  ASSERT_TRUE(QFile::copy(QStringLiteral(GRAFOLIN_HELP_SOURCE), dir.filePath(QStringLiteral("help.hlp"))));
  shared.setDirectory(dir.path());
  graf::openHelpTopic(QStringLiteral("Program beállítása"));
  ASSERT_NE(shared.window(), nullptr);
  EXPECT_TRUE(shared.window()->isVisible());
  EXPECT_EQ(shared.message(), QString());
  EXPECT_GT(shared.browser()->verticalScrollBar()->value(), 0);

  shared.closeWindow();
  shared.setDirectory(QString());
  EXPECT_EQ(shared.window(), nullptr);
}

}  // namespace
