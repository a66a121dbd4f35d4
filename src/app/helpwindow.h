#pragma once

#include <QWidget>

class QTextBrowser;

// The program's help window: a browser over the help pages of the interface
// language, with Back, Contents and Close. One window serves every request.
class CHelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit CHelpWindow(QWidget *parent = nullptr);

    void showPage(const QString &file);
    QString currentPage() const;
    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
    QString m_contents;
};
