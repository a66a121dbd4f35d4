#include "support/scriptedline.h"

#include <QThread>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

ScriptedLine::ScriptedLine()
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
        qFatal("no pseudo-terminal");
    m_path = QString::fromLocal8Bit(::ptsname(m_master));
    m_slave = ::open(::ptsname(m_master), O_RDWR | O_NOCTTY);
    termios settings {};
    ::tcgetattr(m_slave, &settings);
    ::cfmakeraw(&settings);
    ::tcsetattr(m_slave, TCSANOW, &settings);
}

ScriptedLine::~ScriptedLine()
{
    if (m_thread.joinable())
        m_thread.join();
    ::close(m_slave);
    ::close(m_master);
}

void ScriptedLine::play(const QList<ScriptStep> &steps)
{
    m_thread = std::thread([this, steps] {
        for (const ScriptStep &step : steps) {
            QThread::msleep(ulong(step.delayMs));
            if (::write(m_master, step.bytes.constData(), size_t(step.bytes.size())) < 0)
                return;
        }
    });
}

bool ScriptedLine::waitForInput(int timeoutMs) const
{
    pollfd fd {m_master, POLLIN, 0};
    return ::poll(&fd, 1, timeoutMs) == 1 && (fd.revents & POLLIN);
}
