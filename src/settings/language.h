// The interface language, fixed at start-up for the whole run. Every built-in text
// that exists in English and Chinese is chosen by g_bChinese when it is produced.
#pragma once

#include <QString>

extern QString g_strLanguage; // [Setup] "Language": "English" or "Chinese"
extern bool g_bChinese; // true exactly when g_strLanguage is "Chinese"
extern QString g_strHelpFile; // "chHelp" or "enHelp": the help set of the language

// Sets the three globals from a language name (case-sensitive, as stored).
void SetLanguageState(const QString &language);

// The English or the Chinese form of a built-in text (both UTF-8): the one place
// that picks between the two.
inline QString PickText(bool chinese, const char *englishText, const char *chineseText)
{
    return QString::fromUtf8(chinese ? chineseText : englishText);
}

// The English or the Chinese form of a built-in text, by g_bChinese.
inline QString LangText(const char *english, const char *chinese)
{
    return PickText(g_bChinese, english, chinese);
}

// A value of the per-language section of g_iniFile ("Company", "AppName", ...).
QString LanguageValue(const QString &key);
