// Whole-image transfers through the serial code against the simulated radio on a
// pseudo-terminal. Paced, the simulated line spends the real 9600-baud byte time
// in each direction, so measured / (wire time + the protocol's own pauses) shows
// what the program adds. The same read done with bare system calls shows the floor
// that the pseudo-terminal itself sets. Exits 1 when a target is missed.
#include "link/cloneengine.h"
#include "link/ptyserver.h"
#include "link/simulatedradio.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr double kByteMs = PtyServer::kByteTimeNs / 1e6;
constexpr double kTarget = 1.03;
constexpr double kUnpacedReadLimitMs = 2000;

// Clone entry 7 + ack 1 + 'M' 02 + 8 identification bytes + 06 + 06.
constexpr int kHandshakeBytes = 7 + 1 + 2 + 8 + 1 + 1;
// 6 polls of 1 ms, 2 ms before each entry byte, 4 × 1 ms inside the identification.
constexpr int kHandshakePauseMs = 6 + 7 * 2 + 4;
constexpr int kReadBytes = kHandshakeBytes + 1024 * (4 + 12 + 1 + 1);
constexpr int kWriteBytes = kHandshakeBytes + 1018 * (4 + 8 + 1) + (4 + 6 + 1);
constexpr int kWritePauseMs = kHandshakePauseMs + 1019; // 1 ms between command and data

MemoryImage Pattern()
{
    MemoryImage image;
    for (int i = 0; i < kImageSize; ++i)
        image[size_t(i)] = quint8(i * 31 + 7);
    return image;
}

enum class Host { ReadImage, WriteImage, BareRead };

bool ReadBytes(int fd, char *buffer, int n)
{
    for (int got = 0; got < n;) {
        pollfd wait {fd, POLLIN, 0};
        const ssize_t r
            = ::poll(&wait, 1, 2000) > 0 ? ::read(fd, buffer + got, size_t(n - got)) : -1;
        if (r <= 0)
            return false;
        got += int(r);
    }
    return true;
}

// The read's exchanges with nothing but system calls: what any program would need.
bool BareRead(const QString &device)
{
    const int fd = ::open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    termios settings {};
    ::tcgetattr(fd, &settings);
    ::cfmakeraw(&settings);
    ::tcsetattr(fd, TCSANOW, &settings);
    char reply[12];
    bool ok = ::write(fd, "\x02QUIVEX", 7) == 7 && ReadBytes(fd, reply, 1)
        && ::write(fd, "M\x02", 2) == 2 && ReadBytes(fd, reply, 8) && ::write(fd, "\x06", 1) == 1
        && ReadBytes(fd, reply, 1);
    for (int address = 0; ok && address < kImageSize; address += 8) {
        const QByteArray command = CloneEngine::readCommand(address);
        ::tcflush(fd, TCIOFLUSH);
        ok = ::write(fd, command.constData(), 4) == 4 && ReadBytes(fd, reply, 12);
        ::tcflush(fd, TCIOFLUSH);
        ok = ok && ::write(fd, "\x06", 1) == 1 && ReadBytes(fd, reply, 1);
    }
    ::close(fd);
    return ok;
}

// Runs one transfer against a freshly served radio; returns the milliseconds it took.
double Measure(bool paced, Host host)
{
    SimulatedRadio radio(Pattern());
    PtyServer server(radio);
    const Status opened = server.open();
    if (!opened.ok()) {
        std::fprintf(stderr, "bench_link: %s\n", qPrintable(opened.text()));
        std::exit(2);
    }
    server.setPaced(paced);
    std::thread serving([&] { server.run(); });
    TransferObserver observer;
    MemoryImage image = Pattern();
    QElapsedTimer clock;
    clock.start();
    bool ok = false;
    if (host == Host::BareRead)
        ok = BareRead(server.devicePath());
    else if (host == Host::WriteImage)
        ok = WriteWholeImage(server.devicePath(), image, observer).ok();
    else
        ok = ReadWholeImage(server.devicePath(), image, observer).ok();
    const double elapsed = clock.nsecsElapsed() / 1e6;
    server.stop();
    serving.join();
    if (!ok) {
        std::fprintf(stderr, "bench_link: transfer failed\n");
        std::exit(2);
    }
    return elapsed;
}

bool Report(const char *name, double measuredMs, int bytes, int pauseMs)
{
    const double wireMs = bytes * kByteMs;
    const double ratio = measuredMs / (wireMs + pauseMs);
    std::printf("%-12s measured %8.3f s  wire %7.3f s + pauses %6.3f s  ratio %.4f  "
                "(wire alone %.4f)  target <= %.2f %s\n",
        name, measuredMs / 1000, wireMs / 1000, pauseMs / 1000.0, ratio, measuredMs / wireMs,
        kTarget, ratio <= kTarget ? "met" : "MISSED");
    return ratio <= kTarget;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const double unpaced = Measure(false, Host::ReadImage);
    std::printf("%-12s measured %8.3f s  target < %.1f s %s\n", "unpaced read", unpaced / 1000,
        kUnpacedReadLimitMs / 1000, unpaced < kUnpacedReadLimitMs ? "met" : "MISSED");
    bool met = unpaced < kUnpacedReadLimitMs;
    const double bare = Measure(true, Host::BareRead);
    const double read = Measure(true, Host::ReadImage);
    met = Report("paced read", read, kReadBytes, kHandshakePauseMs) && met;
    met = Report("paced write", Measure(true, Host::WriteImage), kWriteBytes, kWritePauseMs) && met;
    std::printf("%-12s measured %8.3f s  ratio %.4f: the pseudo-terminal's own floor; the "
                "program's read takes %.4f of it\n",
        "bare read", bare / 1000, bare / (kReadBytes * kByteMs), read / bare);
    std::fflush(stdout);
    return met ? 0 : 1;
}
