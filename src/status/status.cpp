#include "status/status.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <QtCore/qt_windows.h>
#endif

namespace {

const char kNoSpaceContext[] = "FileAccess";
const char *const kNoSpace = QT_TRANSLATE_NOOP("FileAccess", "no space left on the device");

Status::Kind KindOfErrno(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return Status::Kind::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return Status::Kind::NoAccess;
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
        return Status::Kind::Busy;
    case EEXIST:
        return Status::Kind::Exists;
    case EISDIR:
        return Status::Kind::NotAFile;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return Status::Kind::NoSpace;
    default:
        return Status::Kind::Failed;
    }
}

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// One pass over text: %1 to %99 become their arguments, so that an argument
// holding "%2" (a file name) stays as it is.
QString Substitute(const QString &text, const QStringList &arguments)
{
    if (arguments.isEmpty())
        return text;
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('%') && i + 1 < text.size() && IsDigit(text.at(i + 1))) {
            int number = text.at(i + 1).digitValue();
            qsizetype end = i + 2;
            if (end < text.size() && IsDigit(text.at(end)))
                number = number * 10 + text.at(end++).digitValue();
            if (number >= 1 && number <= arguments.size()) {
                result += arguments.at(number - 1);
                i = end - 1;
                continue;
            }
        }
        result += text.at(i);
    }
    return result;
}

bool SameText(const char *a, const char *b)
{
    return a == b || (a && b && std::strcmp(a, b) == 0);
}

} // namespace

Wording::Wording(const char *context, const char *source)
    : m_context(context)
    , m_source(source)
{ }

Wording &Wording::arg(const QString &argument)
{
    m_arguments.append(argument);
    return *this;
}

Wording &Wording::arg(qint64 number)
{
    return arg(QString::number(number));
}

Wording &Wording::arg(const Wording &wording)
{
    return arg(wording.text());
}

bool Wording::hasWords(const char *context, const char *source) const
{
    return SameText(m_context, context) && SameText(m_source, source);
}

QString Wording::text() const
{
    if (!m_source)
        return QString();
    const QString words = m_context ? QCoreApplication::translate(m_context, m_source)
                                    : QString::fromUtf8(m_source);
    return Substitute(words, m_arguments);
}

Status::Status(Kind kind, const char *context, const char *source)
    : m_kind(kind)
    , m_wording(context, source)
{ }

Status::Status(Kind kind, const Wording &wording)
    : m_kind(kind)
    , m_wording(wording)
{ }

Status::Status(Kind kind)
    : m_kind(kind)
{ }

Status Status::fromErrno(int error)
{
    Status status(KindOfErrno(error));
    status.m_systemError = error;
    status.m_systemText = QString::fromLocal8Bit(std::strerror(error));
    if (status.m_kind == Kind::NoSpace)
        status.m_wording = Wording(kNoSpaceContext, kNoSpace);
    return status;
}

#ifdef Q_OS_WIN
Status Status::fromWindowsError(unsigned long error)
{
    Kind kind = Kind::Failed;
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        kind = Kind::NotFound;
        break;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        kind = Kind::NoAccess;
        break;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        kind = Kind::Busy;
        break;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        kind = Kind::Exists;
        break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        kind = Kind::NoSpace;
        break;
    default:
        break;
    }
    Status status(kind);
    status.m_systemError = int(error);
    status.m_systemText = qt_error_string(int(error));
    if (kind == Kind::NoSpace)
        status.m_wording = Wording(kNoSpaceContext, kNoSpace);
    return status;
}
#endif

Status Status::fromSystemText(Kind kind, const QString &text)
{
    Status status(kind);
    status.m_systemText = text;
    return status;
}

Status Status::fromFile(const QFileDevice &file)
{
    return fromSystemText(
        file.error() == QFileDevice::PermissionsError ? Kind::NoAccess : Kind::Failed,
        file.errorString());
}

Status &Status::arg(const QString &argument)
{
    m_wording.arg(argument);
    return *this;
}

Status &Status::arg(qint64 number)
{
    m_wording.arg(number);
    return *this;
}

Status &Status::arg(const Wording &wording)
{
    m_wording.arg(wording);
    return *this;
}

Status &Status::arg(const Status &cause)
{
    if (m_systemError == 0 && m_systemText.isEmpty()) {
        m_systemError = cause.m_systemError;
        m_systemText = cause.m_systemText;
    }
    return arg(cause.text());
}

Status &Status::setLine(int line)
{
    m_line = line;
    return *this;
}

Status &Status::setDetail(const QString &detail)
{
    m_detail = detail;
    return *this;
}

QString Status::text() const
{
    return m_wording.isEmpty() ? m_systemText : m_wording.text();
}
