// SPDX-License-Identifier: MIT
#include "tests/support/program_run.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>

#include <cstring>

extern char** environ;

namespace graf::testing {

ProgramRun runGrafolin(const QStringList& arguments) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
  process.setProcessEnvironment(env);
  process.setWorkingDirectory(QDir::currentPath());
  process.start(QStringLiteral(GRAFOLIN_PROGRAM), arguments);
  ProgramRun run;
  // A generous bound, only so that a program that hangs fails the test
  // instead of blocking the suite.
  run.finished = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
  if (!run.finished) process.kill();
  process.waitForFinished();
  run.exitCode = process.exitCode();
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

std::string grafolinProgram() { return GRAFOLIN_PROGRAM; }

ProgramRun runGrafolinBytes(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
                            StandardOutput output) {
  std::vector<std::string> env;
  const auto named = [](const std::string& entry, const std::string& name) {
    return entry.compare(0, name.size() + 1, name + "=") == 0;
  };
  std::vector<std::string> removed = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
  for (const std::string& change : environment) removed.push_back(change.substr(0, change.find('=')));
  for (char** e = environ; *e; ++e) {
    bool keep = true;
    for (const std::string& name : removed) keep = keep && !named(*e, name);
    if (keep) env.emplace_back(*e);
  }
  for (const std::string& change : environment)
    if (change.find('=') != std::string::npos) env.push_back(change);
  std::vector<std::string> argv = {GRAFOLIN_PROGRAM};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<char*> argp, envp;
  for (std::string& a : argv) argp.push_back(a.data());
  argp.push_back(nullptr);
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);

  ProgramRun run;
  int out[2], err[2];
  if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) return run;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (output == StandardOutput::Captured) posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  if (output == StandardOutput::FullDisk) posix_spawn_file_actions_addopen(&actions, 1, "/dev/full", O_WRONLY, 0);
  if (output == StandardOutput::Closed) posix_spawn_file_actions_addclose(&actions, 1);
  posix_spawn_file_actions_adddup2(&actions, err[1], 2);
  posix_spawn_file_actions_addchdir_np(&actions, QDir::currentPath().toLocal8Bit().constData());
  pid_t pid = -1;
  const int started = ::posix_spawn(&pid, argp[0], &actions, nullptr, argp.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  ::close(err[1]);
  QByteArray bytes[2];
  pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  int open = 2;
  // A generous bound, only so that a program that hangs fails the test.
  while (started == 0 && open > 0 && ::poll(fds, 2, 120000) > 0) {
    for (int k = 0; k < 2; ++k) {
      if (fds[k].fd < 0 || !(fds[k].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      char buffer[4096];
      const ssize_t n = ::read(fds[k].fd, buffer, sizeof buffer);
      if (n > 0) {
        bytes[k].append(buffer, n);
      } else {
        fds[k].fd = -1;
        --open;
      }
    }
  }
  ::close(out[0]);
  ::close(err[0]);
  if (started != 0) return run;
  if (open > 0) ::kill(pid, SIGKILL);
  int status = 0;
  ::waitpid(pid, &status, 0);
  run.finished = open == 0 && WIFEXITED(status);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = QString::fromUtf8(bytes[0]);
  run.err = QString::fromUtf8(bytes[1]);
  return run;
}

bool writeFile(const QString& path, const std::vector<std::uint8_t>& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) &&
         f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) ==
             static_cast<qint64>(bytes.size());
}

QImage pictureFile(const QString& path) {
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  const QImage image = reader.read();
  return image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
}

int pixelDifferences(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return -1;
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
  return n;
}

}  // namespace graf::testing
