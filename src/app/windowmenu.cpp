#include "app/windowmenu.h"

#include "app/childframe.h"
#include "app/commandids.h"
#include "app/documentcommands.h"
#include "document/programdoc.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

WindowMenu::WindowMenu(QMenu *menu, DocumentCommands *documents)
    : QObject(menu)
    , m_menu(menu)
    , m_documents(documents)
{
    connect(m_menu, &QMenu::aboutToShow, this, &WindowMenu::rebuild);
}

void WindowMenu::rebuild()
{
    m_menu->clear();
    const auto windows = m_documents->children();
    for (int i = 0; i < windows.size(); ++i) {
        CChildFrame *child = windows.at(i);
        QString title = child->document()->title();
        title.replace(QLatin1Char('&'), QLatin1String("&&"));
        if (child->document()->IsModified())
            title += QLatin1String(" *");
        // Items 1-9 take their number as the mnemonic.
        const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QString::number(i + 1);
        QAction *item = m_menu->addAction(number + QLatin1Char(' ') + title);
        item->setProperty(kCommandIdProperty, kCmdWindowFirst + i);
        // Only the active one carries a mark; the others show no empty box.
        item->setCheckable(child == m_documents->activeChild());
        item->setChecked(item->isCheckable());
        connect(item, &QAction::triggered, m_documents,
            [documents = m_documents, window = QPointer<CChildFrame>(child)] {
                documents->show(window);
            });
    }
}
