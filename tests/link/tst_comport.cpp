// Port naming, the stored port choice, probing and opening serial devices.
#include "link/comport.h"
#include "link/openradioport.h"
#include "link/portholders.h"
#include "link/serialradioport.h"
#include "settings/usersettings.h"
#include "support/scriptedline.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

class TestComPort : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowsPortName_data();
    void windowsPortName();
    void storedPortFallsBackToDefault();
    void openFailure_data();
    void openFailure();
    void nameThatIsNoPort_data();
    void nameThatIsNoPort();
    void probeSeesPortInUse();
    void permissionDeniedSaysHowToFixIt();
    void holdersAreFound();
    void holderHint_data();
    void holderHint();
};

void TestComPort::windowsPortName_data()
{
    QTest::addColumn<quint32>("stored");
    QTest::addColumn<QString>("name");

    QTest::newRow("port 9, last short form") << 9u << "COM9";
    QTest::newRow("port 10, device namespace") << 10u << "\\\\.\\COM10";
    QTest::newRow("0x10A uses the low byte only") << 266u << "\\\\.\\COM10";
    QTest::newRow("port 0 from an empty choice") << 0u << "COM0";
}

void TestComPort::windowsPortName()
{
    QFETCH(quint32, stored);
    QFETCH(QString, name);
    QCOMPARE(WindowsPortName(stored), name);
}

void TestComPort::storedPortFallsBackToDefault()
{
    UserSettings::SetComPort(QString());
    LoadComPortFromSettings();
    QCOMPARE(g_strComPort, DefaultPortName());

    UserSettings::SetComPort(QStringLiteral("/dev/ttyACM3"));
    LoadComPortFromSettings();
    QCOMPARE(g_strComPort, QStringLiteral("/dev/ttyACM3"));
    UserSettings::SetComPort(QString());
}

void TestComPort::openFailure_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Status::Kind>("failure");

    QTest::newRow("no such device") << "/dev/htprog-no-such-port" << Status::Kind::NotFound;
    QTest::newRow("not a terminal") << "/dev/null" << Status::Kind::Failed;
}

void TestComPort::openFailure()
{
    QFETCH(QString, name);
    QFETCH(Status::Kind, failure);

    const OpenedPort opened = OpenRadioPort(PortProfile::Clone, name);
    QVERIFY(!opened.port);
    QCOMPARE(opened.status.kind(), failure);
    QVERIFY(!opened.status.text().isEmpty()); // the system's words
    QVERIFY(!ProbePort(name));
}

void TestComPort::nameThatIsNoPort_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("problem");

    QTest::newRow("empty") << ""
                           << "no port name was given";
    QTest::newRow("a file in this folder is looked up in /dev")
        << "htprog-port.txt"
        << "there is no device /dev/htprog-port.txt";
    QTest::newRow("a regular file by its path") << "./htprog-port.txt"
                                                << "./htprog-port.txt is not a serial port";
    QTest::newRow("a folder") << "/tmp"
                              << "/tmp is not a serial port";
    QTest::newRow("a device may be one") << "/dev/null"
                                         << "";
}

void TestComPort::nameThatIsNoPort()
{
    QFETCH(QString, name);
    QFETCH(QString, problem);

    QFile file(QStringLiteral("htprog-port.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QString found = CheckPortName(name).text();
    QVERIFY2(problem.isEmpty() ? found.isEmpty() : found.startsWith(problem), qPrintable(found));
    if (!problem.isEmpty()) {
        SerialRadioPort port(PortProfile::Clone);
        QCOMPARE(port.open(name).text(), found);
    }
    file.remove();
}

void TestComPort::probeSeesPortInUse()
{
    ScriptedLine line;
    QVERIFY(ProbePort(line.path()));

    SerialRadioPort holder(PortProfile::Clone);
    QVERIFY(holder.open(line.path()).ok());
    QVERIFY(!ProbePort(line.path()));
    const OpenedPort second = OpenRadioPort(PortProfile::Squelch, line.path());
    QVERIFY(!second.port);
    QCOMPARE(second.status.kind(), Status::Kind::Busy);

    // The simulated radio likewise: refused at once while a transfer holds it.
    QTemporaryDir dir;
    qputenv("HTPROG_SIM_IMAGE", QFile::encodeName(dir.filePath(QStringLiteral("sim.dat"))));
    OpenedPort sim = OpenRadioPort(PortProfile::Clone, SimulatedPortName());
    QVERIFY(sim.port);
    QElapsedTimer clock;
    clock.start();
    const OpenedPort simBusy = OpenRadioPort(PortProfile::Squelch, SimulatedPortName());
    QVERIFY(clock.elapsed() < 1000);
    QVERIFY(!simBusy.port);
    QCOMPARE(simBusy.status.kind(), Status::Kind::Busy);
    sim.port.reset();
    QVERIFY(OpenRadioPort(PortProfile::Squelch, SimulatedPortName()).port);
    qunsetenv("HTPROG_SIM_IMAGE");
}

void TestComPort::permissionDeniedSaysHowToFixIt()
{
    QVERIFY(PortAccessHint(QStringLiteral("/dev/htprog-no-such-port")).isEmpty());
    QVERIFY(PortAccessHint(QStringLiteral("/dev/null")).contains("sudo usermod -aG root $USER"));

    if (::geteuid() == 0)
        QSKIP("root opens any device");
    ScriptedLine line;
    QVERIFY(QFile::setPermissions(line.path(), QFileDevice::Permissions()));
    const OpenedPort opened = OpenRadioPort(PortProfile::Clone, line.path());
    QVERIFY(!opened.port);
    QCOMPARE(opened.status.kind(), Status::Kind::NoAccess);
}

// The processes that hold a device open are named, this one (which holds the
// line's far end) aside: a child that has it as its standard input.
void TestComPort::holdersAreFound()
{
#ifndef Q_OS_LINUX
    QSKIP("processes are found by their open files in /proc, on Linux only");
#endif
    QVERIFY(FindPortHolders(QStringLiteral("/dev/htprog-no-such-port")).isEmpty());
    ScriptedLine line;
    QCOMPARE(FindPortHolders(line.path()), QList<PortHolder> {});

    QProcess child;
    child.start(QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"), QStringLiteral("exec sleep 30 < ") + line.path()});
    QVERIFY(child.waitForStarted());
    const PortHolder sleeper {child.processId(), QStringLiteral("sleep")};
    QTRY_COMPARE(FindPortHolders(line.path()), QList<PortHolder> {sleeper});
    QCOMPARE(PortHolderHint(line.path()),
        QStringLiteral("%1 is in use by sleep (process %2). Close that program and try again.")
            .arg(line.path())
            .arg(child.processId()));
    child.kill();
    child.waitForFinished();
}

void TestComPort::holderHint_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("advice");
    QTest::newRow("modem manager") << "ModemManager"
                                   << "sudo systemctl stop ModemManager";
    QTest::newRow("braille display driver") << "brltty"
                                            << "sudo apt remove brltty";
    QTest::newRow("another copy of the program") << "htprog"
                                                 << "Another transfer";
    QTest::newRow("the command line") << "htprog-cli"
                                      << "Another transfer";
    QTest::newRow("anything else") << "minicom"
                                   << "Close that program";
}

void TestComPort::holderHint()
{
    QFETCH(QString, name);
    QFETCH(QString, advice);
    QVERIFY(PortHolderHint(QStringLiteral("ttyUSB0"), {}).isEmpty());
    const QString hint = PortHolderHint(QStringLiteral("ttyUSB0"), {{812, name}, {900, "bash"}});
    QVERIFY2(hint.startsWith(QStringLiteral("/dev/ttyUSB0 is in use by %1 (process 812), bash "
                                            "(process 900). ")
                                 .arg(name)),
        qPrintable(hint));
    QVERIFY2(hint.contains(advice), qPrintable(hint));
}

QTEST_GUILESS_MAIN(TestComPort)
#include "tst_comport.moc"
