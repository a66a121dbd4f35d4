// What Program > Write is about to change on the radio: the document compared
// with the newest image read from a radio, in the comparison window's grouped
// list (radio as read, then as written), with Write and Cancel. "Don't show this
// again" is kept per user. The bytes a write sends do not depend on it.
#pragma once

#include "compare/imagediff.h"

#include <QDateTime>
#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;

class CWritePreviewDlg : public QDialog
{
    Q_OBJECT

public:
    // diff: the image read at readTime (A) against the document (B).
    CWritePreviewDlg(const ImageDiff &diff, const QDateTime &readTime, QWidget *parent = nullptr);

    // "Compared with what was read from the radio at 14:02: 3 channels and 1
    // setting will change." The time has its date when it is not of today.
    static QString summaryText(
        const ImageDiff &diff, const QDateTime &readTime, const QDateTime &now);

    QLabel *summary() const { return m_summary; }
    QTreeWidget *tree() const { return m_tree; }
    QCheckBox *dontShowAgain() const { return m_dontShow; }
    QPushButton *writeButton() const { return m_write; }

    // Write, Cancel or the close box; a checked "Don't show this again" is kept.
    void done(int result) override;

private:
    QLabel *m_summary = nullptr;
    QTreeWidget *m_tree = nullptr;
    QCheckBox *m_dontShow = nullptr;
    QPushButton *m_write = nullptr;
};
