// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/terminationwatch.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int signalPipe[2] = {-1, -1};
const int watched[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction previous[3];
volatile sig_atomic_t deadlineSeconds = 0;
volatile sig_atomic_t received = 0;

void endNow(int)
{
    ::_exit(128 + received);
}

void forward(int signalNumber)
{
    // Only what is safe inside a signal handler.
    if (deadlineSeconds > 0 && received != 0)
        ::_exit(128 + signalNumber);
    received = signalNumber;
    const char byte = char(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
    if (deadlineSeconds > 0)
        ::alarm(unsigned(deadlineSeconds));
}
} // namespace

void TerminationWatch::endWithin(int seconds)
{
    struct sigaction action = {};
    action.sa_handler = endNow;
    sigemptyset(&action.sa_mask);
    sigaction(SIGALRM, &action, nullptr);
    deadlineSeconds = seconds;
}

TerminationWatch::TerminationWatch(QObject *parent) : QObject(parent)
{
    if (signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    m_notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationWatch::readSignal);
    struct sigaction action = {};
    action.sa_handler = forward;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i)
        sigaction(watched[i], &action, &previous[i]);
}

TerminationWatch::~TerminationWatch()
{
    if (!m_notifier)
        return;
    for (int i = 0; i < 3; ++i)
        sigaction(watched[i], &previous[i], nullptr);
    delete m_notifier;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void TerminationWatch::readSignal()
{
    char byte = 0;
    if (::read(signalPipe[1], &byte, 1) == 1)
        Q_EMIT requested(int(byte));
}
