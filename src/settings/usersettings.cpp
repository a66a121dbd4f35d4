#include "settings/usersettings.h"

#include "settings/inifile.h"

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

// The per-user store named after AppName: on Windows the registry key
// HKEY_CURRENT_USER\Software\<AppName> itself, elsewhere <AppName>.conf in the
// user's configuration folder.
class Store : public QSettings
{
public:
    Store()
#ifdef Q_OS_WIN
        : QSettings(
            QStringLiteral("HKEY_CURRENT_USER\\Software\\") + storeName(), QSettings::NativeFormat)
#else
        : QSettings(QSettings::NativeFormat, QSettings::UserScope, storeName())
#endif
    { }
};

} // namespace

int productType()
{
    Store s;
    return s.value(QStringLiteral("Type"), 0).toInt();
}

int productField()
{
    Store s;
    return s.value(QStringLiteral("Field"), 0).toInt();
}

void setProductSelection(int type, int field)
{
    Store s;
    s.setValue(QStringLiteral("Type"), type);
    s.setValue(QStringLiteral("Field"), field);
}

QString comPort()
{
    Store s;
    return s.value(QStringLiteral("com")).toString();
}

void setComPort(const QString &device)
{
    Store s;
    s.setValue(QStringLiteral("com"), device);
}

QStringList recentFiles()
{
    Store s;
    return s.value(QStringLiteral("RecentFiles")).toStringList();
}

void setRecentFiles(const QStringList &paths)
{
    Store s;
    s.setValue(QStringLiteral("RecentFiles"), paths);
}

bool verifyAfterWrite()
{
    Store s;
    return s.value(QStringLiteral("VerifyAfterWrite"), true).toBool();
}

void setVerifyAfterWrite(bool verify)
{
    Store s;
    s.setValue(QStringLiteral("VerifyAfterWrite"), verify);
}

bool hideEmptyChannels()
{
    Store s;
    return s.value(QStringLiteral("HideEmptyChannels"), false).toBool();
}

void setHideEmptyChannels(bool hide)
{
    Store s;
    s.setValue(QStringLiteral("HideEmptyChannels"), hide);
}

bool showWritePreview()
{
    Store s;
    return s.value(QStringLiteral("ShowWritePreview"), true).toBool();
}

void setShowWritePreview(bool show)
{
    Store s;
    s.setValue(QStringLiteral("ShowWritePreview"), show);
}

} // namespace UserSettings
