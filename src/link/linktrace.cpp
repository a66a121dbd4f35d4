#include "link/linktrace.h"

#include "image/datfile.h"

#include <QDateTime>
#include <QMutexLocker>

#ifndef HTPROG_VERSION
#define HTPROG_VERSION "unknown"
#endif

LinkTrace::LinkTrace(const QString &program)
    : m_program(program)
{ }

qint64 LinkTrace::nowNs() const
{
    return (m_clock.isValid() ? m_clock.nsecsElapsed() : 0) + m_countedNs;
}

void LinkTrace::comment(const QString &text)
{
    m_lines.append({nowNs(), '#', text.toUtf8()});
    m_runOpen = false;
}

void LinkTrace::portOpened(const QString &portName)
{
    QMutexLocker locker(&m_mutex);
    if (m_clock.isValid()) {
        comment(QStringLiteral("%1 opened again").arg(portName));
        return;
    }
    m_clock.start();
    m_header = QStringLiteral("# %1 %2 link log of %3, opened %4\n")
                   .arg(m_program, QStringLiteral(HTPROG_VERSION), portName,
                       QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs))
                   .toUtf8();
}

void LinkTrace::openFailed(const QString &portName, const QString &reason)
{
    QMutexLocker locker(&m_mutex);
    if (m_header.isEmpty()) {
        m_header = QStringLiteral("# %1 %2 link log of %3, %4\n")
                       .arg(m_program, QStringLiteral(HTPROG_VERSION), portName,
                           QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs))
                       .toUtf8();
    }
    comment(QStringLiteral("%1 did not open: %2").arg(portName, reason).simplified());
}

void LinkTrace::add(char kind, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    if (m_runOpen && m_lines.last().kind == kind) {
        m_lines.last().bytes += bytes;
        return;
    }
    m_lines.append({nowNs(), kind, bytes});
    m_runOpen = true;
}

void LinkTrace::sent(const QByteArray &bytes)
{
    QMutexLocker locker(&m_mutex);
    add('>', bytes);
}

void LinkTrace::received(const QByteArray &bytes, bool quiet)
{
    QMutexLocker locker(&m_mutex);
    add('<', bytes);
    // A read that waited in vain separates what was sent before from what is
    // sent after it, as a silent line separates them on the wire.
    if (quiet)
        m_runOpen = false;
}

void LinkTrace::lineFailed()
{
    QMutexLocker locker(&m_mutex);
    comment(QStringLiteral("the line reported an error"));
}

void LinkTrace::addCountedTime(qint64 ms)
{
    QMutexLocker locker(&m_mutex);
    m_countedNs += ms * 1'000'000;
}

bool LinkTrace::isEmpty() const
{
    QMutexLocker locker(&m_mutex);
    return m_header.isEmpty();
}

QByteArray LinkTrace::FormatTime(qint64 ns)
{
    const qint64 us = (ns + 500) / 1000;
    return QByteArray::number(us / 1000) + '.'
        + QByteArray::number(us % 1000).rightJustified(3, '0');
}

QByteArray LinkTrace::text() const
{
    QMutexLocker locker(&m_mutex);
    QByteArray text = m_header;
    for (const Line &line : m_lines) {
        // A comment starts with its '#', so that a reader that skips comments
        // sees only the bytes.
        if (line.kind == '#')
            text += "# " + FormatTime(line.ns) + ' ' + line.bytes + '\n';
        else
            text += FormatTime(line.ns) + ' ' + line.kind + ' ' + line.bytes.toHex(' ').toUpper()
                + '\n';
    }
    return text;
}

Status LinkTrace::save(const QString &path) const
{
    return SaveFileAtomically(path, text());
}
