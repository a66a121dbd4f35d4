#pragma once

#include <QObject>
#include <QStringList>

class DocumentCommands;
class QMenu;
class QWidget;

// File > Recent Files: the last kMaxFiles document files opened or saved, most
// recent first, kept per user. Choosing one opens it; one that no longer
// exists is taken off the list with a message.
class RecentFiles : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMaxFiles = 8;

    RecentFiles(QMenu *menu, DocumentCommands *documents, QWidget *frame);

    QStringList files() const;
    // path goes to the top of the list.
    void add(const QString &path);
    // Opens the file of the list at index (as the menu item does).
    void choose(int index);

private:
    void rebuild();

    QMenu *m_menu;
    DocumentCommands *m_documents;
    QWidget *m_frame;
};
