#pragma once

#include <QObject>

class DocumentCommands;
class QMenu;

// The Window menu: one item per open document, in the order they were opened,
// its title followed by "*" while it holds unsaved changes, the active one
// checked. Choosing an item shows that document's window, a hidden one too.
class WindowMenu : public QObject
{
    Q_OBJECT

public:
    WindowMenu(QMenu *menu, DocumentCommands *documents);

    // The items anew from the documents (done whenever the menu opens).
    void rebuild();

private:
    QMenu *m_menu;
    DocumentCommands *m_documents;
};
