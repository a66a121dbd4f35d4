// The record of one session with the radio, kept for a bug report: every byte
// sent and received, in runs of one direction, each stamped with the
// milliseconds since the port was first opened. As text, one run a line:
// "12.031 > 52 00 08 08" (">" sent, "<" received, upper-case hex); lines that
// start with '#' are comments (the header, a port opened again, a failure).
// Written by the thread that runs the transfer, read by any other.
#pragma once

#include "status/status.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QMutex>
#include <QString>

class LinkTrace
{
public:
    // program names who wrote the log in its header ("htprog-cli").
    explicit LinkTrace(const QString &program);

    // A port was opened: the first starts the clock and the header, a later one
    // (the verifying read after a write) is noted with the time.
    void portOpened(const QString &portName);
    // The port did not open, with why.
    void openFailed(const QString &portName, const QString &reason);
    // Bytes handed to the line.
    void sent(const QByteArray &bytes);
    // Bytes a read returned; quiet: it returned fewer than asked, the line went
    // silent, so the next bytes start a new line.
    void received(const QByteArray &bytes, bool quiet);
    // The line reported an error.
    void lineFailed();
    // Time a simulated line counted without spending it; it moves the clock on.
    void addCountedTime(qint64 ms);

    // True until a port was opened or failed to open.
    bool isEmpty() const;
    QByteArray text() const;
    // Writes the text to path, completely or not at all.
    Status save(const QString &path) const;

    // "12.031" for a time in nanoseconds.
    static QByteArray FormatTime(qint64 ns);

private:
    struct Line
    {
        qint64 ns;
        char kind; // '>', '<' or '#'
        QByteArray bytes; // the run, or the comment's text
    };

    qint64 nowNs() const;
    void add(char kind, const QByteArray &bytes);
    void comment(const QString &text);

    mutable QMutex m_mutex;
    QString m_program;
    QByteArray m_header;
    QElapsedTimer m_clock; // monotonic
    qint64 m_countedNs = 0;
    QList<Line> m_lines;
    bool m_runOpen = false; // the last line may take more bytes of its direction
};
