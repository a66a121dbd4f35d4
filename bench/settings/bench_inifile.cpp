// Times CIniFile::Load of INI files made of many small sections (the shape that
// took quadratic time) and of few large ones: 1 MB, the largest Program.ini that
// is read, and 10 MB with the limit raised. Prints the median and the worst of
// the runs; exits 1 when a median misses 1 s.
#include "settings/inifile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 5;
constexpr double kLimitMs = 1000.0;

// About `bytes` of INI text: sections of `keys` entries each.
QByteArray IniText(qsizetype bytes, int keys)
{
    QByteArray text;
    text.reserve(bytes + 64);
    for (int section = 0; text.size() < bytes; ++section) {
        text += "[Section" + QByteArray::number(section) + "]\r\n";
        for (int key = 0; key < keys && text.size() < bytes; ++key)
            text += "Key" + QByteArray::number(key) + "=Value " + QByteArray::number(key) + "\r\n";
    }
    text.truncate(bytes);
    return text;
}

bool Measure(const char *what, const QString &path, const QByteArray &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
        return false;
    file.close();
    std::vector<double> ms;
    QElapsedTimer timer;
    for (int run = 0; run < kRuns; ++run) {
        CIniFile ini(4);
        ini.setLargestFileSize(text.size());
        timer.start();
        const bool loaded = ini.Load(path, false, true, false);
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!loaded)
            return false;
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    std::printf("%-34s median %8.2f ms  worst %8.2f ms  (%d runs, limit %.0f ms)\n", what, median,
        ms.back(), kRuns, kLimitMs);
    return median < kLimitMs;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Program.ini"));
    constexpr qsizetype kMegabyte = 1024 * 1024;
    bool ok = Measure("1 MB, sections of one key", path, IniText(kMegabyte, 1));
    ok = Measure("1 MB, empty sections", path, QByteArray("[]\n").repeated(kMegabyte / 3)) && ok;
    ok = Measure("10 MB, sections of one key", path, IniText(10 * kMegabyte, 1)) && ok;
    ok = Measure("10 MB, sections of 100 keys", path, IniText(10 * kMegabyte, 100)) && ok;
    return ok ? 0 : 1;
}
