// Per-user settings kept outside "Program.ini": the chosen serial port, the
// last product type/range selection, the recently used document files, whether
// a write is verified, whether what a write changes is shown before it and
// whether the grid hides empty channels, the colour theme and the size the
// user gave each resizable dialog. Stored with QSettings
// under the name given by [Setup] "AppName" (on Linux ~/.config/<AppName>.conf).
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

namespace UserSettings {

int ProductType(); // "Type", 0 when absent
int ProductField(); // "Field", 0 when absent
void SetProductSelection(int type, int field);

QString ComPort(); // device name of the chosen port; empty when none stored
void SetComPort(const QString &device);

QStringList RecentFiles(); // "RecentFiles": absolute paths, most recent first
void SetRecentFiles(const QStringList &paths);
bool VerifyAfterWrite(); // "VerifyAfterWrite", true when absent
void SetVerifyAfterWrite(bool verify);
bool HideEmptyChannels(); // "HideEmptyChannels", false when absent
void SetHideEmptyChannels(bool hide);
bool ShowWritePreview(); // "ShowWritePreview", true when absent
void SetShowWritePreview(bool show);
// "DialogSize/<dialog>": the size the user last gave that dialog; invalid when
// none is stored.
QSize DialogSize(const QString &dialog);
void SetDialogSize(const QString &dialog, const QSize &size);
QString ColourTheme(); // "Theme": "System", "Light" or "Dark"; empty when absent
void SetColourTheme(const QString &name);

} // namespace UserSettings
