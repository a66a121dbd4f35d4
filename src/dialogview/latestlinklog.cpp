#include "dialogview/latestlinklog.h"

#include <QMutex>
#include <QMutexLocker>

namespace {

QMutex g_mutex;
std::shared_ptr<const LinkTrace> g_latest;

} // namespace

std::shared_ptr<LinkTrace> StartLinkLog()
{
    auto log = std::make_shared<LinkTrace>(QStringLiteral("htprog"));
    QMutexLocker locker(&g_mutex);
    g_latest = log;
    return log;
}

std::shared_ptr<const LinkTrace> LatestLinkLog()
{
    QMutexLocker locker(&g_mutex);
    return g_latest;
}

void ForgetLinkLog()
{
    QMutexLocker locker(&g_mutex);
    g_latest.reset();
}
