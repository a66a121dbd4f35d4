// Files in the tests' temporary folders: whole-file reads and writes, a
// Program.ini loaded into a store, and a disk that fills up.
#pragma once

#include "settings/inifile.h"

#include <QByteArray>
#include <QString>
#include <csignal>

#ifdef _WIN32
// Windows has no per-process file size limit: the limit is never active there
// and the suites skip what needs it.
using rlim_t = quint64;
constexpr rlim_t RLIM_INFINITY = ~rlim_t(0);
#else
#include <sys/resource.h>
#endif

// Special files that only POSIX systems have in the file system: a FIFO, and a
// link to the device /dev/zero. On Windows the test that needs one is skipped.
#ifdef _WIN32
#define MAKE_FIFO(path) QSKIP("Windows has no FIFOs in the file system")
#define LINK_TO_DEVICE(path) QSKIP("Windows has no devices in the file system")
#define REQUIRE_FULL_DISK(limit) QSKIP("Windows cannot limit the size of a process's files")
#else
#include <sys/stat.h>
#define MAKE_FIFO(path) QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0)
#define LINK_TO_DEVICE(path) QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path))
#define REQUIRE_FULL_DISK(limit) QVERIFY(limit.active())
#endif

// The whole file, or "<unreadable>" when it cannot be read.
QByteArray ReadFile(const QString &path);
bool WriteFile(const QString &path, const QByteArray &bytes);

// A small installation's Program.ini: the application name and an English section.
extern const QByteArray kTestIni;
// Writes Program.ini with the contents into folder and loads it into ini (emptied first).
bool LoadTestIni(
    const QString &folder, const QByteArray &contents = kTestIni, CIniFile &ini = g_iniFile);

// While it lives, a file write of this process fails after `bytes` bytes, as on
// a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    bool active() const { return m_active; }

private:
#ifndef _WIN32
    rlimit m_saved {};
    void (*m_previous)(int) = SIG_DFL;
#endif
    bool m_active = false;
};
