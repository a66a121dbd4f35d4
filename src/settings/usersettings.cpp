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

QVariant Value(const QString &key, const QVariant &absent = QVariant())
{
    return Store().value(key, absent);
}

void SetValue(const QString &key, const QVariant &value)
{
    Store().setValue(key, value);
}

} // namespace

int ProductType()
{
    return Value(QStringLiteral("Type"), 0).toInt();
}

int ProductField()
{
    return Value(QStringLiteral("Field"), 0).toInt();
}

void SetProductSelection(int type, int field)
{
    Store s;
    s.setValue(QStringLiteral("Type"), type);
    s.setValue(QStringLiteral("Field"), field);
}

QString ComPort()
{
    return Value(QStringLiteral("com")).toString();
}

void SetComPort(const QString &device)
{
    SetValue(QStringLiteral("com"), device);
}

QStringList RecentFiles()
{
    return Value(QStringLiteral("RecentFiles")).toStringList();
}

void SetRecentFiles(const QStringList &paths)
{
    SetValue(QStringLiteral("RecentFiles"), paths);
}

bool VerifyAfterWrite()
{
    return Value(QStringLiteral("VerifyAfterWrite"), true).toBool();
}

void SetVerifyAfterWrite(bool verify)
{
    SetValue(QStringLiteral("VerifyAfterWrite"), verify);
}

bool HideEmptyChannels()
{
    return Value(QStringLiteral("HideEmptyChannels"), false).toBool();
}

void SetHideEmptyChannels(bool hide)
{
    SetValue(QStringLiteral("HideEmptyChannels"), hide);
}

bool ShowWritePreview()
{
    return Value(QStringLiteral("ShowWritePreview"), true).toBool();
}

void SetShowWritePreview(bool show)
{
    SetValue(QStringLiteral("ShowWritePreview"), show);
}

QSize DialogSize(const QString &dialog)
{
    const QSize size = Value(QStringLiteral("DialogSize/") + dialog).toSize();
    return size.isValid() && !size.isEmpty() ? size : QSize();
}

void SetDialogSize(const QString &dialog, const QSize &size)
{
    SetValue(QStringLiteral("DialogSize/") + dialog, size);
}

QString ColourTheme()
{
    return Value(QStringLiteral("Theme")).toString();
}

void SetColourTheme(const QString &name)
{
    SetValue(QStringLiteral("Theme"), name);
}

} // namespace UserSettings
