#include "ui/qt/qt_quit_on_signal.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>

#include "ui/application.h"

namespace peruka {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// A handler may only do async-signal-safe work: it writes one byte, and the
// message loop reads it.
int signalPipe[2] = {-1, -1};

extern "C" void WakeTheLoop(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

}  // namespace

QuitOnSignal::QuitOnSignal() {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [] {
    char byte;
    while (::read(signalPipe[0], &byte, 1) > 0) {
    }
    if (Application) Application->Terminate();
  });
  struct sigaction action = {};
  action.sa_handler = WakeTheLoop;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kSignals) ::sigaction(signal, &action, nullptr);
}

QuitOnSignal::~QuitOnSignal() {
  for (const int signal : kSignals) std::signal(signal, SIG_DFL);
  notifier_.reset();
  for (int& end : signalPipe) {
    if (end >= 0) ::close(end);
    end = -1;
  }
}

}  // namespace peruka
