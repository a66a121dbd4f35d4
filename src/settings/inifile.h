// The program's INI store: "Program.ini" beside the executable, kept in memory as
// an ordered list of sections of ordered key/value entries and rewritten whole on
// save. Byte-based: values are stored as read (UTF-8 on Linux); case-insensitive
// compares fold the ASCII letters A-Z only. Loading takes time in proportion to
// the file, which must be a regular file of at most 1 MB.
#pragma once

#include "status/status.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

class CIniFile
{
public:
    // A Program.ini larger than this is refused unread: an installation's file
    // has a few kilobytes.
    static constexpr qint64 kLargestFileSize = 1024 * 1024;

    explicit CIniFile(int growStep = 4);
    virtual ~CIniFile();

    CIniFile(const CIniFile &) = delete;
    CIniFile &operator=(const CIniFile &) = delete;

    // Locates fileName in the executable's directory (current directory as fallback).
    bool Open(const QString &fileName, bool saveOnClose, bool ignoreCase, bool backupOnSave);
    bool Load(const QString &fullPath, bool saveOnClose, bool ignoreCase, bool backupOnSave);

    QString GetValue(
        const QString &section, const QString &key, const QString &defaultValue = QString()) const;
    void SetValue(const QString &section, const QString &key, const QString &value);

    // Returns the backup path, or an empty string when no backup was ever made.
    QString Save(bool makeBackup);
    void Clear();

    // Why the last Load failed (not a regular file, too large, unreadable);
    // success after a successful load.
    Status loadStatus() const { return m_loadStatus; }
    // Raises or lowers the size limit of Load (benchmarks load larger files).
    void setLargestFileSize(qint64 bytes) { m_largestFileSize = bytes; }

    QString path() const { return m_path; }
    bool isDirty() const { return m_dirty; }

private:
    Status readFile(const QString &fullPath, QByteArray *content) const;
    void parseLine(QByteArrayView rawLine);
    void appendSection(const QByteArray &name);
    int findSection(const QByteArray &name) const;
    int findKey(int section, const QByteArray &key) const;
    bool equalNames(const QByteArray &a, const QByteArray &b) const;
    QByteArray serialize() const;
    bool writeFile(const QByteArray &text) const;
    QString computeBackupPath() const;

    QList<QByteArray> m_sectionNames;
    QList<QList<QByteArray>> m_keys;
    QList<QList<QByteArray>> m_values;
    int m_lastSection = 0;
    int m_growStep;
    QString m_path;
    QString m_backupPath;
    Status m_loadStatus;
    qint64 m_largestFileSize = kLargestFileSize;
    bool m_dirty = false;
    bool m_ignoreCase = true;
    bool m_saveOnClose = false;
    bool m_backupOnSave = false;
};

// The program-wide store, constructed with growth step 4 when the program loads.
extern CIniFile g_iniFile;
