// File > Open Backup... and the first step of File > Compare With...: the
// kept backup copies, newest first, with their date and time, whether they were
// read from the radio or sent to it (and, for a write that did not complete,
// where it ended and what the radio holds), their number of channels and the
// power-on name. A copy that is not a complete image is shown but cannot be chosen. In
// the comparison's form "Other File..." ends the dialog to choose any .dat.
#pragma once

#include "backups/backupstore.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

class CBackupsDlg : public QDialog
{
    Q_OBJECT

public:
    enum class Purpose { Open, Compare };
    // The exec() result of "Other File...".
    static constexpr int kOtherFile = 2;

    CBackupsDlg(const QVector<BackupEntry> &entries, const QString &folder, Purpose purpose,
        QWidget *parent = nullptr);

    QTreeWidget *list() const { return m_list; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *otherFileButton() const { return m_otherFile; } // nullptr for Open
    // The path of the selected copy; empty when none is selected.
    QString selectedPath() const;

    // The texts of one copy as the list shows them.
    static QString kindText(const BackupEntry &entry);
    static QString channelsText(const BackupEntry &entry);

private:
    void fill(const QVector<BackupEntry> &entries);
    void updateButtons();

    QTreeWidget *m_list = nullptr;
    QLabel *m_empty = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_otherFile = nullptr;
};
