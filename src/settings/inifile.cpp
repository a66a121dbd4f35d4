#include "settings/inifile.h"

#include "files/fileaccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

CIniFile g_iniFile(4);

namespace {

const char kUtf8Signature[] = "\xEF\xBB\xBF";

char FoldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool IsCommentStart(char c)
{
    return c == ';' || c == '/' || c == '\\' || c == '*';
}

// The value of the leading decimal digits of text; 0 when it starts with none.
int LeadingNumber(const QString &text)
{
    int value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

QByteArray ToBytes(const QString &text)
{
    return text.toUtf8();
}

QString FromBytes(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes);
}

} // namespace

CIniFile::CIniFile(int growStep)
    : m_growStep(growStep > 0 ? growStep : 1)
{ }

CIniFile::~CIniFile()
{
    if (m_saveOnClose)
        Save(m_backupOnSave);
    Clear();
}

bool CIniFile::Open(const QString &fileName, bool saveOnClose, bool ignoreCase, bool backupOnSave)
{
    const QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                     : QDir::currentPath();
    return Load(dir + QLatin1Char('/') + fileName, saveOnClose, ignoreCase, backupOnSave);
}

bool CIniFile::Load(const QString &fullPath, bool saveOnClose, bool ignoreCase, bool backupOnSave)
{
    if (!m_path.isEmpty()) {
        Save(false);
        Clear();
    }
    m_saveOnClose = saveOnClose;
    m_ignoreCase = ignoreCase;
    m_backupOnSave = backupOnSave;

    QByteArray content;
    m_loadStatus = readFile(fullPath, &content);
    if (!m_loadStatus.ok())
        return false;

    m_path = fullPath;
    m_sectionNames.reserve(m_growStep);
    m_keys.reserve(m_growStep);
    m_values.reserve(m_growStep);
    appendSection(QByteArray());
    m_lastSection = 0;

    // Editors that save "UTF-8 with signature" put three bytes before the first
    // header; left there, they would hide [Setup] and with it the language.
    if (content.startsWith(kUtf8Signature))
        content.remove(0, 3);
    // Line by line over the one buffer: only the names and values kept are copied.
    const QByteArrayView text(content);
    for (qsizetype start = 0; start <= text.size();) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        parseLine(text.sliced(start, end - start));
        start = end + 1;
    }
    return true;
}

// The whole file, read only when it is a regular file within the size limit: a
// FIFO would block the open, a device would never end. A missing file is created
// empty; an existing one is never truncated here.
Status CIniFile::readFile(const QString &fullPath, QByteArray *content) const
{
    const QString shown = QDir::toNativeSeparators(fullPath);
    const auto cannotRead = [&shown](const Status &why) {
        return Status(why.kind(), "IniFile", QT_TRANSLATE_NOOP("IniFile", "Cannot read %1: %2."))
            .arg(shown)
            .arg(why);
    };
    QFile file;
    if (!QFileInfo::exists(fullPath)) {
        file.setFileName(fullPath);
        if (file.open(QIODevice::ReadWrite))
            return Status();
        const Status why = Status::fromFile(file);
        return Status(why.kind(), "IniFile", QT_TRANSLATE_NOOP("IniFile", "Cannot create %1: %2."))
            .arg(shown)
            .arg(why);
    }
    const Status opened = OpenRegularFile(file, fullPath);
    if (!opened.ok())
        return cannotRead(opened);
    // At most one byte past the limit is read, so a file that grows meanwhile is
    // refused too.
    *content = file.read(m_largestFileSize + 1);
    // A half-read store must never be written back over the file.
    if (file.error() != QFileDevice::NoError)
        return cannotRead(Status::fromFile(file));
    if (content->size() > m_largestFileSize) {
        content->clear();
        return Status(Status::Kind::WrongSize, "IniFile",
            QT_TRANSLATE_NOOP("IniFile",
                "%1 was not read: it is larger than %2 bytes, the most a settings file may "
                "have."))
            .arg(shown)
            .arg(m_largestFileSize);
    }
    return Status();
}

void CIniFile::appendSection(const QByteArray &name)
{
    // The tables start with room for m_growStep sections; beyond that they grow
    // as Qt's lists grow, so that loading takes time in proportion to the file
    // (growing by the step alone copied every table again every few sections).
    m_sectionNames.append(name);
    m_keys.append(QList<QByteArray>());
    m_values.append(QList<QByteArray>());
    m_lastSection = int(m_sectionNames.size()) - 1;
}

void CIniFile::parseLine(QByteArrayView rawLine)
{
    const QByteArrayView line = rawLine.trimmed();
    // The header test comes first: "[a=b]" is a section named "a=b".
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
        appendSection(line.sliced(1, line.size() - 2).toByteArray());
        return;
    }
    const qsizetype eq = line.indexOf('=');
    const QByteArrayView key = (eq < 0 ? line : line.first(eq)).trimmed();
    if (key.isEmpty() || IsCommentStart(key.front()))
        return;
    m_keys[m_lastSection].append(key.toByteArray());
    m_values[m_lastSection].append(
        eq < 0 ? QByteArray() : line.sliced(eq + 1).trimmed().toByteArray());
}

bool CIniFile::equalNames(const QByteArray &a, const QByteArray &b) const
{
    if (!m_ignoreCase)
        return a == b;
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    }
    return true;
}

int CIniFile::findSection(const QByteArray &name) const
{
    for (int i = 0; i < m_sectionNames.size(); ++i) {
        if (equalNames(m_sectionNames[i], name))
            return i;
    }
    return -1;
}

int CIniFile::findKey(int section, const QByteArray &key) const
{
    const QList<QByteArray> &keys = m_keys[section];
    for (int i = int(keys.size()) - 1; i >= 0; --i) {
        if (equalNames(keys[i], key))
            return i;
    }
    return -1;
}

QString CIniFile::GetValue(
    const QString &section, const QString &key, const QString &defaultValue) const
{
    const int s = findSection(ToBytes(section));
    if (s < 0)
        return defaultValue;
    const int k = findKey(s, ToBytes(key));
    if (k < 0)
        return FromBytes(ToBytes(defaultValue).trimmed());

    // Trailing comments are cut on reading only; the stored value keeps them.
    QByteArray value = m_values[s][k];
    qsizetype at = value.indexOf("//");
    if (at >= 0)
        value.truncate(at);
    at = value.indexOf("\t;");
    if (at >= 0)
        value.truncate(at);
    at = value.indexOf("/*");
    if (at >= 0)
        value.truncate(at);
    return FromBytes(value);
}

void CIniFile::SetValue(const QString &section, const QString &key, const QString &value)
{
    if (m_path.isEmpty())
        return;
    const QByteArray sectionBytes = ToBytes(section);
    const QByteArray keyBytes = ToBytes(key);
    const QByteArray valueBytes = ToBytes(value);

    int s = findSection(sectionBytes);
    if (s < 0) {
        appendSection(sectionBytes);
        s = m_lastSection;
        m_dirty = true;
    }
    const int k = findKey(s, keyBytes);
    if (k < 0) {
        m_keys[s].append(keyBytes);
        m_values[s].append(valueBytes);
        m_dirty = true;
        return;
    }
    // A change of letter case alone reaches memory but is not worth a rewrite.
    if (!equalNames(m_values[s][k], valueBytes))
        m_dirty = true;
    m_values[s][k] = valueBytes;
}

QByteArray CIniFile::serialize() const
{
    QByteArray text;
    for (int s = 0; s < m_sectionNames.size(); ++s) {
        if (!m_sectionNames[s].isEmpty())
            text += '[' + m_sectionNames[s] + "]\r\n";
        for (int k = 0; k < m_keys[s].size(); ++k) {
            const QByteArray &key = m_keys[s][k];
            text += key;
            if (!key.isEmpty())
                text += '=';
            text += m_values[s][k] + "\r\n";
        }
    }
    // Loading drops one UTF-8 signature at the start: a first key that begins with
    // one gets another in front, so that it reads back as it was.
    if (text.startsWith(kUtf8Signature))
        text.prepend(kUtf8Signature);
    return text;
}

// Writes the whole text through a temporary file that replaces the old one only
// when complete, so a failed save leaves the old file whole. A file that exists
// but may not be written is left alone; a writable file in a folder where no
// temporary file can be made is still saved, in place.
bool CIniFile::writeFile(const QByteArray &text) const
{
    const QFileInfo info(m_path);
    if (info.exists() && (!info.isFile() || !info.isWritable()))
        return false;
    return SaveFileBytes(m_path, text, true).ok();
}

QString CIniFile::Save(bool makeBackup)
{
    if (!m_dirty || m_path.isEmpty())
        return QString();
    if (makeBackup) {
        if (m_backupPath.isEmpty())
            m_backupPath = computeBackupPath();
        // A failed backup copy does not stop the save.
        QFile::remove(m_backupPath);
        QFile::copy(m_path, m_backupPath);
    }
    if (!writeFile(serialize()))
        return QString();
    return m_backupPath;
}

QString CIniFile::computeBackupPath() const
{
    const QFileInfo info(m_path);
    QString stem = info.fileName();
    const qsizetype dot = stem.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        stem.truncate(dot);

    int largest = 0;
    const QStringList names = info.dir().entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        // The names that "<stem>*.*" matches: the stem, then a dot somewhere after it.
        if (!name.startsWith(stem, Qt::CaseInsensitive)
            || name.indexOf(QLatin1Char('.'), stem.size()) < 0)
            continue;
        largest = qMax(largest, LeadingNumber(name.right(3)));
    }
    return m_path + QLatin1Char('.')
        + QStringLiteral("%1").arg(largest + 1, 3, 10, QLatin1Char('0'));
}

void CIniFile::Clear()
{
    m_sectionNames.clear();
    m_keys.clear();
    m_values.clear();
    m_path.clear();
    m_lastSection = 0;
    m_dirty = false;
}
