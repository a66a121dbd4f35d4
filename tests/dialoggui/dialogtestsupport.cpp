#include "dialogtestsupport.h"

#include "inifile.h"
#include "messages.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

bool LoadTestIni(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("Program.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write("[Setup]\nAppName=HtTest\nLanguage=English\n[English]\nAppName=Radio Programmer\n");
    file.close();
    g_iniFile.Clear();
    return g_iniFile.Load(path, false, true, false);
}

ServedTestRadio::ServedTestRadio(const MemoryImage &memory, const FaultPlan &faults, bool paced)
    : m_radio(memory, faults)
    , m_server(m_radio)
{
    QString error;
    if (!m_server.open(&error))
        qFatal("%s", qPrintable(error));
    m_server.setPaced(paced);
    m_thread = std::thread([this] { m_server.run(); });
}

ServedTestRadio::~ServedTestRadio()
{
    stop();
}

SimulatedRadio &ServedTestRadio::stop()
{
    if (m_thread.joinable()) {
        m_server.stop();
        m_thread.join();
    }
    return m_radio;
}

MessageRecorder::MessageRecorder(QList<QMessageBox::StandardButton> answers)
    : m_answers(std::move(answers))
{
    UiServices::setMessageFunction([this](QWidget *, const QString &, const QString &text,
                                       QMessageBox::Icon, QMessageBox::StandardButtons buttons) {
        m_shown.append({text, buttons, QThread::currentThread() == qApp->thread()});
        if (buttons == QMessageBox::Ok)
            return QMessageBox::Ok;
        return m_answers.isEmpty() ? QMessageBox::Cancel : m_answers.takeFirst();
    });
}

MessageRecorder::~MessageRecorder()
{
    UiServices::setMessageFunction(nullptr);
}

QList<int> MessageRecorder::ids() const
{
    QList<int> ids;
    for (const Shown &s : m_shown) {
        int id = 0;
        for (int candidate : {kMsgCommunicationError, kMsgCouldNotOpenPort, kMsgProgramInterrupt}) {
            if (s.text.startsWith(MessageText(candidate)))
                id = candidate;
        }
        ids << id;
    }
    return ids;
}
