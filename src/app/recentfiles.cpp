#include "app/recentfiles.h"

#include "app/commandids.h"
#include "app/documentcommands.h"
#include "settings/usersettings.h"
#include "uiservices/uiservices.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

QString Listed(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

RecentFiles::RecentFiles(QMenu *menu, DocumentCommands *documents, QWidget *frame)
    : QObject(menu)
    , m_menu(menu)
    , m_documents(documents)
    , m_frame(frame)
{
    // The list is read anew each time: another window of the program may have
    // changed it.
    connect(m_menu, &QMenu::aboutToShow, this, &RecentFiles::rebuild);
    connect(m_documents, &DocumentCommands::fileUsed, this, &RecentFiles::add);
    rebuild();
}

QStringList RecentFiles::files() const
{
    QStringList paths = UserSettings::RecentFiles();
    paths.removeAll(QString());
    paths.removeDuplicates();
    return paths.mid(0, kMaxFiles);
}

void RecentFiles::add(const QString &path)
{
    QStringList paths = files();
    const QString entry = Listed(path);
    paths.removeAll(entry);
    paths.prepend(entry);
    UserSettings::SetRecentFiles(paths.mid(0, kMaxFiles));
    rebuild();
}

void RecentFiles::choose(int index)
{
    QStringList paths = files();
    if (index < 0 || index >= paths.size())
        return;
    const QString path = paths.at(index);
    if (!QFileInfo::exists(path)) {
        paths.removeAt(index);
        UserSettings::SetRecentFiles(paths);
        rebuild();
        UiServices::Message(m_frame, QString(),
            tr("The file \"%1\" no longer exists.\nIt was taken off the list of recent files.")
                .arg(QDir::toNativeSeparators(path)),
            QMessageBox::Warning);
        return;
    }
    m_documents->open(path);
}

void RecentFiles::rebuild()
{
    m_menu->clear();
    const QStringList paths = files();
    const QFontMetrics metrics(m_menu->font());
    for (int i = 0; i < paths.size(); ++i) {
        // Long paths keep their start and their file name.
        QString shown = metrics.elidedText(QDir::toNativeSeparators(paths.at(i)), Qt::ElideMiddle,
            metrics.averageCharWidth() * 60);
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *item = m_menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        item->setProperty(kCommandIdProperty, kCmdFileRecentFirst + i);
        item->setStatusTip(QDir::toNativeSeparators(paths.at(i)));
        connect(item, &QAction::triggered, this, [this, i] { choose(i); });
    }
    m_menu->menuAction()->setEnabled(!paths.isEmpty());
}
