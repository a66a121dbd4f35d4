// Per-user settings kept outside "Program.ini": the chosen serial port, the
// last product type/range selection, the recently used document files, whether
// a write is verified, whether what a write changes is shown before it and
// whether the grid hides empty channels. Stored with QSettings
// under the name given by [Setup] "AppName" (on Linux ~/.config/<AppName>.conf).
#pragma once

#include <QString>
#include <QStringList>

namespace UserSettings {

int productType(); // "Type", 0 when absent
int productField(); // "Field", 0 when absent
void setProductSelection(int type, int field);

QString comPort(); // device name of the chosen port; empty when none stored
void setComPort(const QString &device);

QStringList recentFiles(); // "RecentFiles": absolute paths, most recent first
void setRecentFiles(const QStringList &paths);
bool verifyAfterWrite(); // "VerifyAfterWrite", true when absent
void setVerifyAfterWrite(bool verify);
bool hideEmptyChannels(); // "HideEmptyChannels", false when absent
void setHideEmptyChannels(bool hide);
bool showWritePreview(); // "ShowWritePreview", true when absent
void setShowWritePreview(bool show);

} // namespace UserSettings
