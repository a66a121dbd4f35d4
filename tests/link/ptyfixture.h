// Pseudo-terminal helpers for the link tests: a simulated radio served by a
// background thread, and a bare terminal pair whose far end a test scripts.
#pragma once

#include "ptyserver.h"
#include "simulatedradio.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <thread>

class ServedRadio
{
public:
    explicit ServedRadio(
        const MemoryImage &memory, const FaultPlan &faults = {}, bool paced = false);
    ~ServedRadio();

    QString path() const { return m_path; }
    // Ends the serving thread; after it the radio may be inspected.
    SimulatedRadio &stop();

private:
    SimulatedRadio m_radio;
    PtyServer m_server;
    QString m_path;
    std::thread m_thread;
};

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

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
    std::thread m_thread;
};
