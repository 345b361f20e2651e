#include "platform/qt/QuitOnSignals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>

namespace zingbox {
namespace {

// The handler may only do async-signal-safe work: it writes one byte into a socket that
// the event loop watches.
int signalWriteEnd = -1;

void NoteSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signalWriteEnd, &byte, 1);
}

}  // namespace

void QuitOnTerminationSignals() {
  int ends[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return;
  signalWriteEnd = ends[0];

  auto* notifier = new QSocketNotifier(ends[1], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [readEnd = ends[1]] {
    char byte;
    [[maybe_unused]] const ssize_t read = ::read(readEnd, &byte, 1);
    QCoreApplication::quit();
  });

  struct sigaction action = {};
  action.sa_handler = NoteSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGTERM, SIGHUP, SIGINT}) sigaction(signal, &action, nullptr);
}

}  // namespace zingbox
