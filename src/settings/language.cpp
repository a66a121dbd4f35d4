#include "settings/language.h"

#include "settings/inifile.h"

QString g_strLanguage;
bool g_bChinese = false;
QString g_strHelpFile = QStringLiteral("enHelp");

void SetLanguageState(const QString &language)
{
    g_strLanguage = language;
    g_bChinese = language == QLatin1String("Chinese");
    g_strHelpFile = g_bChinese ? QStringLiteral("chHelp") : QStringLiteral("enHelp");
}

QString LanguageValue(const QString &key)
{
    return g_iniFile.GetValue(g_strLanguage, key, QString());
}
