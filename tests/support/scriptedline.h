// A bare pseudo-terminal pair whose far end plays a script of timed bytes, for
// testing how the serial port's reads end.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <thread>

// One step of what the far end sends: a pause, then the bytes.
struct ScriptStep
{
    int delayMs;
    QByteArray bytes;
};

class ScriptedLine
{
public:
    ScriptedLine();
    ~ScriptedLine();

    QString path() const { return m_path; }
    // Plays the steps on a background thread, starting now.
    void play(const QList<ScriptStep> &steps);
    // Waits until the near end has sent something; false when nothing came in time.
    bool waitForInput(int timeoutMs) const;

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
    std::thread m_thread;
};
