#include "EndSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
int pipefds[2] = {-1, -1};

extern "C" void onsignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = write(pipefds[1], &byte, 1);
    errno = saved;
}

}  // namespace

EndSignals::EndSignals(QObject* parent) : QObject(parent) {
    if (pipe2(pipefds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;  // the default action stays: the program ends without saving
    }
    notifier_ = new QSocketNotifier(pipefds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (read(pipefds[0], bytes, sizeof bytes) > 0) {
        }
        emit received();
    });
    struct sigaction action {};
    action.sa_handler = onsignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals) {
        sigaction(signal, &action, nullptr);
    }
}

EndSignals::~EndSignals() {
    if (notifier_ == nullptr) {
        return;
    }
    for (int signal : kSignals) {
        std::signal(signal, SIG_DFL);
    }
    close(pipefds[0]);
    close(pipefds[1]);
    pipefds[0] = pipefds[1] = -1;
}
