#pragma once

#include <QDialog>

class QLabel;

// The About dialog: caption "About Title", the "Version", "Copyrights" and
// "Copyrights Owner" lines of the interface language's section, and the program
// icon ("title.ico" of the current directory when it loads).
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget *parent = nullptr);

    QString lineText(int line) const; // 0..2
    bool usesTitleIcon() const { return m_titleIcon; }

private:
    QLabel *m_lines[3] = {};
    bool m_titleIcon = false;
};
