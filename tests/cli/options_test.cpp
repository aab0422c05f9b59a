// SPDX-License-Identifier: MIT
// The program's own options as a user types them in a terminal, with no
// display at all: --help and --version print and end, a mistyped line is
// named on standard error, and none of them writes a file.
#include <gtest/gtest.h>

#include <QDir>

#include "tests/support/program_run.h"

namespace graf::testing {
namespace {

QStringList entries() { return QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }

TEST(ProgramOptions, VersionNamesFivePointTwo) {
  const QStringList before = entries();
  for (const char* option : {"--version", "-v"}) {
    SCOPED_TRACE(option);
    const ProgramRun run = runGrafolin({QString::fromLatin1(option)});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "Grafolin 5.2\n");
    EXPECT_EQ(run.err, "");
  }
  EXPECT_EQ(entries(), before);
}

TEST(ProgramOptions, HelpListsTheOptionsInHungarian) {
  const QStringList before = entries();
  for (const char* option : {"--help", "-h"}) {
    SCOPED_TRACE(option);
    const ProgramRun run = runGrafolin({QString::fromLatin1(option)});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out.startsWith("Használat: grafolin [kapcsolók] [HALMAZ.fv…]\n")) << run.out.toStdString();
    for (const char* shown : {"-h, --help", "-v, --version", "--user-folder", "--export <KÉP>", "--export-dir <MAPPA>",
                              "Kapcsolók:", "Paraméterek:", "HALMAZ.fv"})
      EXPECT_TRUE(run.out.contains(QString::fromUtf8(shown))) << shown;
    // Qt's own options are accepted but not offered, and no English is left.
    for (const char* hidden : {"platform", "Usage", "Options:", "Arguments:", "Displays"})
      EXPECT_FALSE(run.out.contains(QString::fromLatin1(hidden))) << hidden;
  }
  EXPECT_EQ(entries(), before);
}

TEST(ProgramOptions, AMistypedLineIsNamedAndNothingStarts) {
  const QStringList before = entries();
  const struct {
    QStringList arguments;
    const char* message;
  } cases[] = {
      {{"--nincs-ilyen"}, "grafolin: ismeretlen kapcsoló: --nincs-ilyen"},
      {{"-x", "a.fv"}, "grafolin: ismeretlen kapcsoló: -x"},
      {{"--bogus", "-y"}, "grafolin: ismeretlen kapcsolók: --bogus, -y"},
      {{"--version=3"}, "grafolin: nem vár értéket: --version"},
      {{"-platform"}, "grafolin: hiányzik az érték ez után: -platform"},
      {{"a.fv", "b.fv"}, "grafolin: egyszerre egy függvényhalmaz-fájl nyitható meg"},
      {{"--user-folder", "--user-folder"}, "grafolin: a(z) --user-folder kapcsoló többször szerepel"},
      {{"-h", "--help"}, "grafolin: a(z) --help kapcsoló többször szerepel"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const ProgramRun run = runGrafolin(c.arguments);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, QString::fromUtf8(c.message) + "\nA kapcsolók leírása: grafolin --help\n");
  }
  EXPECT_EQ(entries(), before);
}

}  // namespace
}  // namespace graf::testing
