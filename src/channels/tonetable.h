// The 261 tone choices of the tone pick lists, in offering order: no tone, 50
// CTCSS tones, 105 DCS codes normal, the same 105 inverted.
#pragma once

#include <QStringList>

class ToneTable
{
public:
    explicit ToneTable(bool chinese); // entry 0 "None" or "无"

    const QStringList &texts() const { return m_texts; }
    int size() const { return m_texts.size(); }
    QString at(int i) const { return m_texts.at(i); }
    // First entry that begins with text, ignoring case; 0 when none does.
    int select(const QString &text) const { return selectByPrefix(m_texts, text); }

    static const QStringList &ctcssTones(); // "67.0" ... "254.1"
    static const QList<int> &dcsCodes(); // 023 ... 754 as octal-digit numbers (23 ... 754)
    static int selectByPrefix(const QStringList &items, const QString &text);

private:
    QStringList m_texts;
};
