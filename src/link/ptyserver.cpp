#include "link/ptyserver.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace {

constexpr std::chrono::milliseconds kIdleDelay(300);

timespec Until(std::chrono::steady_clock::time_point due)
{
    const auto left = std::max(
        due - std::chrono::steady_clock::now(), std::chrono::steady_clock::duration::zero());
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
    return timespec {time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
}

} // namespace

PtyServer::PtyServer(SimulatedRadio &radio)
    : m_radio(radio)
{ }

PtyServer::~PtyServer()
{
    closeLine();
    for (int fd : m_stopPipe) {
        if (fd >= 0)
            ::close(fd);
    }
}

Status PtyServer::open()
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        return Status(Status::Kind::Failed, nullptr, "cannot create a pseudo-terminal: %1")
            .arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
    m_devicePath = QString::fromLocal8Bit(::ptsname(m_master));
    m_slave = ::open(::ptsname(m_master), O_RDWR | O_NOCTTY);
    termios settings {};
    if (m_slave < 0 || ::tcgetattr(m_slave, &settings) != 0 || ::pipe(m_stopPipe) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        return Status(Status::Kind::Failed, nullptr, "cannot set up %1: %2")
            .arg(m_devicePath)
            .arg(reason);
    }
    ::cfmakeraw(&settings);
    ::cfsetspeed(&settings, B9600);
    ::tcsetattr(m_slave, TCSANOW, &settings);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    return Status();
}

void PtyServer::stop()
{
    if (m_stopPipe[1] >= 0) {
        const char byte = 0;
        [[maybe_unused]] ssize_t written = ::write(m_stopPipe[1], &byte, 1);
    }
}

void PtyServer::closeLine()
{
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
    m_master = m_slave = -1;
}

bool PtyServer::sendDue()
{
    // Every byte whose time has come goes out in one write where possible.
    QByteArray ready;
    while (!m_out.empty() && m_out.front().due <= Clock::now()) {
        ready += m_out.front().byte;
        m_out.pop_front();
    }
    if (ready.isEmpty())
        return true;
    const ssize_t written = ::write(m_master, ready.constData(), size_t(ready.size()));
    if (written < 0 && errno != EAGAIN && errno != EINTR)
        return false;
    // What the line could not take yet goes first next time.
    for (qsizetype i = ready.size() - 1; i >= qMax<ssize_t>(written, 0); --i)
        m_out.push_front({Clock::now(), ready[i]});
    return true;
}

bool PtyServer::receive(Clock::time_point now)
{
    char buffer[256];
    const ssize_t n = ::read(m_master, buffer, sizeof buffer);
    if (n < 0)
        return errno == EAGAIN || errno == EINTR;
    const auto byteTime = std::chrono::nanoseconds(kByteTimeNs);
    for (ssize_t i = 0; i < n; ++i) {
        const Clock::time_point arrived = m_paced ? std::max(now, m_inFree) + byteTime : now;
        m_inFree = arrived;
        const QByteArray answer = m_radio.receive(quint8(buffer[i]));
        if (m_radio.hungUp()) {
            m_hungUp = true;
            closeLine();
            return false;
        }
        for (char byte : answer) {
            const Clock::time_point due
                = m_paced ? std::max(arrived, m_outFree) + byteTime : arrived;
            m_outFree = due;
            m_out.push_back({due, byte});
        }
    }
    if (n > 0) {
        m_lastInput = now;
        m_idlePending = true;
    }
    return true;
}

const timespec *PtyServer::nextWake(timespec *wait) const
{
    if (!m_out.empty())
        *wait = Until(m_out.front().due);
    else if (m_idlePending)
        *wait = Until(m_lastInput + kIdleDelay);
    else
        return nullptr;
    return wait;
}

void PtyServer::run()
{
#ifdef __linux__
    // The byte clock needs wake-ups at the time asked for, not 50 µs later.
    ::prctl(PR_SET_TIMERSLACK, 1UL);
#endif
    m_out.clear();
    m_inFree = m_outFree = m_lastInput = Clock::now();
    m_idlePending = false;
    while (m_master >= 0 && sendDue()) {
        timespec wait {};
        pollfd fds[2] = {{m_master, POLLIN, 0}, {m_stopPipe[0], POLLIN, 0}};
        if (::ppoll(fds, 2, nextWake(&wait), nullptr) < 0 && errno != EINTR)
            break;
        if ((fds[1].revents & POLLIN) || (fds[0].revents & (POLLERR | POLLNVAL)))
            break;
        const Clock::time_point now = Clock::now();
        if ((fds[0].revents & POLLIN) && !receive(now))
            break;
        if (m_idlePending && m_out.empty() && now - m_lastInput >= kIdleDelay) {
            m_idlePending = false;
            if (m_idleHandler && m_radio.modified())
                m_idleHandler();
        }
    }
}
