// Files in the tests' temporary folders: whole-file reads and writes, a
// Program.ini loaded into a store, and a disk that fills up.
#pragma once

#include "inifile.h"

#include <QByteArray>
#include <QString>
#include <csignal>
#include <sys/resource.h>

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
    rlimit m_saved {};
    void (*m_previous)(int) = SIG_DFL;
    bool m_active = false;
};
