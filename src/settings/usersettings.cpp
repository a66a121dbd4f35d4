#include "usersettings.h"

#include "inifile.h"

#include <QSettings>

namespace UserSettings {
namespace {

QString storeName()
{
    QString name = g_iniFile.GetValue(QStringLiteral("Setup"), QStringLiteral("AppName"));
    if (name.isEmpty())
        name = QStringLiteral("htprog");
    return name;
}

} // namespace

int productType()
{
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, storeName());
    return s.value(QStringLiteral("Type"), 0).toInt();
}

int productField()
{
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, storeName());
    return s.value(QStringLiteral("Field"), 0).toInt();
}

void setProductSelection(int type, int field)
{
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, storeName());
    s.setValue(QStringLiteral("Type"), type);
    s.setValue(QStringLiteral("Field"), field);
}

QString comPort()
{
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, storeName());
    return s.value(QStringLiteral("com")).toString();
}

void setComPort(const QString &device)
{
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, storeName());
    s.setValue(QStringLiteral("com"), device);
}

QStringList recentFiles()
{
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, storeName());
    return s.value(QStringLiteral("RecentFiles")).toStringList();
}

void setRecentFiles(const QStringList &paths)
{
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, storeName());
    s.setValue(QStringLiteral("RecentFiles"), paths);
}

bool verifyAfterWrite()
{
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, storeName());
    return s.value(QStringLiteral("VerifyAfterWrite"), true).toBool();
}

void setVerifyAfterWrite(bool verify)
{
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, storeName());
    s.setValue(QStringLiteral("VerifyAfterWrite"), verify);
}

} // namespace UserSettings
