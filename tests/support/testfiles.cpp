#include "support/testfiles.h"

#include <QDir>
#include <QFile>

const QByteArray kTestIni
    = "[Setup]\nAppName=HtTest\nLanguage=English\n[English]\nAppName=Radio Programmer\n";

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size();
}

bool LoadTestIni(const QString &folder, const QByteArray &contents, CIniFile &ini)
{
    const QString path = QDir(folder).filePath(QStringLiteral("Program.ini"));
    ini.Clear();
    return WriteFile(path, contents) && ini.Load(path, false, true, false);
}

#ifdef _WIN32
FileSizeLimit::FileSizeLimit(rlim_t)
{ }

FileSizeLimit::~FileSizeLimit()
{ }
#else
FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    if (getrlimit(RLIMIT_FSIZE, &m_saved) != 0)
        return;
    rlimit small = m_saved;
    small.rlim_cur = bytes;
    m_previous = std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the test
    m_active = setrlimit(RLIMIT_FSIZE, &small) == 0;
}

FileSizeLimit::~FileSizeLimit()
{
    if (m_active)
        setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_previous);
}
#endif
