// The result of a core operation that may fail: success, or what kind of
// failure, the system's error behind it (an errno value or a Win32 error code,
// with the system's own words), the message that says it (a text id, which is
// the text in the source language with its translation context, and the
// arguments for its %1, %2 ...), and where it happened (the line of an input
// file) or a detail. The words are made only when the status is shown.
#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>

class QFileDevice;

// The wording of a message: a text id (the text in the source language, marked
// with QT_TRANSLATE_NOOP(context, source)) and the arguments for its %1, %2 ...
// The words are made in the loaded language only when they are shown. A note
// that is not a failure is a Wording alone; a Status holds one with its kind.
class Wording
{
public:
    Wording() = default;
    // context nullptr: a text that is always shown as written. Both must outlive
    // the words (string literals).
    Wording(const char *context, const char *source);

    // The next argument: %1 for the first, %2 for the second ...
    Wording &arg(const QString &argument);
    Wording &arg(qint64 number);
    // Another wording's words as the next argument, in the loaded language.
    Wording &arg(const Wording &wording);

    bool isEmpty() const { return !m_source; }
    const char *context() const { return m_context; }
    const char *source() const { return m_source; }
    QStringList arguments() const { return m_arguments; }
    // True when the words are source of context (both compared as text).
    bool hasWords(const char *context, const char *source) const;
    // In the loaded language with the arguments in place; empty for no words.
    QString text() const;

private:
    const char *m_context = nullptr;
    const char *m_source = nullptr;
    QStringList m_arguments;
};

class Status
{
    Q_GADGET

public:
    enum class Kind {
        Ok,
        Cancelled, // stopped on request
        NotFound, // no such file, folder or device
        NoAccess, // no permission, or read-only
        Busy, // in use by another process or program
        Exists, // the name is taken
        NotAFile, // a folder, a device or a FIFO where a file belongs, or the reverse
        WrongSize, // a file shorter than an image, or one that is not image-sized
        NoSpace, // no space left on the device
        BadInput, // text or values that are not understood or not allowed
        NoAnswer, // the radio did not answer as the protocol expects
        Interrupted, // the radio stopped answering in the middle of a transfer
        Failed, // any other failure; the system's words say which
    };
    Q_ENUM(Kind)

    // Success.
    Status() = default;
    // A failure said by a text: source marked with QT_TRANSLATE_NOOP(context, ...)
    // and shown in the loaded language, or context nullptr for a text that is
    // always shown as written. Both must outlive the status (string literals).
    Status(Kind kind, const char *context, const char *source);
    Status(Kind kind, const Wording &wording);
    // A failure with no words of its own: the system's, or its kind alone.
    explicit Status(Kind kind);

    // The system's error: an errno value ("no space left on the device" for a full
    // disk, else the system's words for it).
    static Status fromErrno(int error);
#ifdef Q_OS_WIN
    // A Win32 error code (GetLastError) with the system's words for it.
    static Status fromWindowsError(unsigned long error);
#endif
    // A failure that Qt described (QFile::errorString, a serial port's error).
    static Status fromSystemText(Kind kind, const QString &text);
    // A file's last error with Qt's words for it.
    static Status fromFile(const QFileDevice &file);

    // The next argument of the words: %1 for the first, %2 for the second ...
    Status &arg(const QString &argument);
    Status &arg(qint64 number);
    // The words of cause as the next argument ("Cannot read %1: %2."), and its
    // system error when this status has none.
    Status &arg(const Status &cause);
    Status &arg(const Wording &wording);
    Status &setLine(int line);
    Status &setDetail(const QString &detail);

    bool ok() const
    {
        return m_kind == Kind::Ok;
    }
    Kind kind() const
    {
        return m_kind;
    }
    int systemError() const
    {
        return m_systemError;
    }
    QString systemText() const
    {
        return m_systemText;
    }
    const Wording &wording() const
    {
        return m_wording;
    }
    const char *context() const
    {
        return m_wording.context();
    }
    const char *source() const
    {
        return m_wording.source();
    }
    QStringList arguments() const
    {
        return m_wording.arguments();
    }
    int line() const
    {
        return m_line;
    } // 0 when no line
    QString detail() const
    {
        return m_detail;
    }
    // True when the words are source of context (both compared as text).
    bool hasWords(const char *context, const char *source) const
    {
        return m_wording.hasWords(context, source);
    }

    // The words in the loaded language with the arguments in place; the system's
    // words when there are none of its own; empty for success.
    QString text() const;

private:
    Kind m_kind = Kind::Ok;
    int m_systemError = 0;
    QString m_systemText;
    Wording m_wording;
    int m_line = 0;
    QString m_detail;
};

Q_DECLARE_METATYPE(Status)
