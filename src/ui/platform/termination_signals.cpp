#include "ui/platform/termination_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>

#include "base/errors.h"

namespace {

// The handler writes a byte to one end; the event loop watches the other.
int wakeUp[2] = {-1, -1};

// Runs inside the signal: only what is safe there.
void WakeTheEventLoop(int /*signal*/) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(wakeUp[1], &byte, 1);
}

void CloseAllWindows() {
  char byte;
  [[maybe_unused]] const ssize_t read = ::read(wakeUp[0], &byte, 1);
  QApplication::closeAllWindows();
}

}  // namespace

void CloseWindowsOnTerminationSignals() {
  if (wakeUp[0] >= 0) return;
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakeUp) != 0)
    Raise<EOSError>(u"socketpair for the termination signals");
  auto* notifier = new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, qApp);
  QObject::connect(notifier, &QSocketNotifier::activated, &CloseAllWindows);
  struct sigaction action = {};
  action.sa_handler = &WakeTheEventLoop;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGTERM, SIGINT}) sigaction(signal, &action, nullptr);
}
