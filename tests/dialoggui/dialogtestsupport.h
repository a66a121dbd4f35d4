// Shared pieces of the dialog tests: a program store in a temporary folder, a
// simulated radio served on a pseudo-terminal, and a recorder that answers the
// message boxes the dialogs show.
#pragma once

#include "memoryimage.h"
#include "ptyserver.h"
#include "simulatedradio.h"
#include "uiservices.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <thread>

// Loads a minimal Program.ini (AppName, an English section) into g_iniFile.
bool LoadTestIni(const QTemporaryDir &dir);

// The simulated radio on a pseudo-terminal, served by a background thread.
class ServedTestRadio
{
public:
    explicit ServedTestRadio(
        const MemoryImage &memory, const FaultPlan &faults = {}, bool paced = false);
    ~ServedTestRadio();
    QString path() const { return m_server.devicePath(); }
    SimulatedRadio &stop();

private:
    SimulatedRadio m_radio;
    PtyServer m_server;
    std::thread m_thread;
};

// Installs itself as the message function; answers each box with the next of
// the given answers (Cancel once they run out, or OK where that is the only one).
class MessageRecorder
{
public:
    struct Shown
    {
        QString text;
        QMessageBox::StandardButtons buttons;
        bool onGuiThread;
    };

    explicit MessageRecorder(QList<QMessageBox::StandardButton> answers = {});
    ~MessageRecorder();

    const QList<Shown> &shown() const { return m_shown; }
    // The string-table ids of the messages shown, in order (0 for other texts).
    QList<int> ids() const;

private:
    QList<QMessageBox::StandardButton> m_answers;
    QList<Shown> m_shown;
};
