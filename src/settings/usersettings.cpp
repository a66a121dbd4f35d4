#include "settings/usersettings.h"

#include "settings/inifile.h"

#include <QSettings>

namespace UserSettings {
namespace {

QString StoreName()
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
            QStringLiteral("HKEY_CURRENT_USER\\Software\\") + StoreName(), QSettings::NativeFormat)
#else
        : QSettings(QSettings::NativeFormat, QSettings::UserScope, StoreName())
#endif
    { }
};

} // namespace

int ProductType()
{
    Store s;
    return s.value(QStringLiteral("Type"), 0).toInt();
}

int ProductField()
{
    Store s;
    return s.value(QStringLiteral("Field"), 0).toInt();
}

void SetProductSelection(int type, int field)
{
    Store s;
    s.setValue(QStringLiteral("Type"), type);
    s.setValue(QStringLiteral("Field"), field);
}

QString ComPort()
{
    Store s;
    return s.value(QStringLiteral("com")).toString();
}

void SetComPort(const QString &device)
{
    Store s;
    s.setValue(QStringLiteral("com"), device);
}

QStringList RecentFiles()
{
    Store s;
    return s.value(QStringLiteral("RecentFiles")).toStringList();
}

void SetRecentFiles(const QStringList &paths)
{
    Store s;
    s.setValue(QStringLiteral("RecentFiles"), paths);
}

bool VerifyAfterWrite()
{
    Store s;
    return s.value(QStringLiteral("VerifyAfterWrite"), true).toBool();
}

void SetVerifyAfterWrite(bool verify)
{
    Store s;
    s.setValue(QStringLiteral("VerifyAfterWrite"), verify);
}

bool HideEmptyChannels()
{
    Store s;
    return s.value(QStringLiteral("HideEmptyChannels"), false).toBool();
}

void SetHideEmptyChannels(bool hide)
{
    Store s;
    s.setValue(QStringLiteral("HideEmptyChannels"), hide);
}

bool ShowWritePreview()
{
    Store s;
    return s.value(QStringLiteral("ShowWritePreview"), true).toBool();
}

void SetShowWritePreview(bool show)
{
    Store s;
    s.setValue(QStringLiteral("ShowWritePreview"), show);
}

QSize DialogSize(const QString &dialog)
{
    Store s;
    const QSize size = s.value(QStringLiteral("DialogSize/") + dialog).toSize();
    return size.isValid() && !size.isEmpty() ? size : QSize();
}

void SetDialogSize(const QString &dialog, const QSize &size)
{
    Store s;
    s.setValue(QStringLiteral("DialogSize/") + dialog, size);
}

QString ColourTheme()
{
    Store s;
    return s.value(QStringLiteral("Theme")).toString();
}

void SetColourTheme(const QString &name)
{
    Store s;
    s.setValue(QStringLiteral("Theme"), name);
}

} // namespace UserSettings
