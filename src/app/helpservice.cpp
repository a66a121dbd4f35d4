#include "app/helpservice.h"

#include "app/helpwindow.h"
#include "settings/datapaths.h"
#include "settings/language.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

HelpService &HelpService::instance()
{
    static HelpService service;
    return service;
}

void HelpService::setHelpRoot(const QString &root)
{
    m_root = root;
}

QString HelpService::helpRoot() const
{
    if (!m_root.isEmpty())
        return m_root;
    return DataPaths().filePath(QStringLiteral("help"));
}

QString HelpService::languageFolder() const
{
    const QString set
        = g_strHelpFile == QLatin1String("chHelp") ? QStringLiteral("zh") : QStringLiteral("en");
    return QDir(helpRoot()).filePath(set);
}

bool HelpService::load()
{
    ++m_loadAttempts;
    m_folder = languageFolder();
    QFile map(QDir(m_folder).filePath(QStringLiteral("topics.map")));
    if (!QFile::exists(QDir(m_folder).filePath(QStringLiteral("index.html")))
        || !map.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&map);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        const int equals = line.indexOf(QLatin1Char('='));
        if (line.startsWith(QLatin1Char('#')) || equals <= 0)
            continue;
        bool ok = false;
        const int context = line.left(equals).trimmed().toInt(&ok);
        const QString page = line.mid(equals + 1).trimmed();
        // Pages are names inside the help folder, never paths out of it.
        if (ok && !page.isEmpty() && !page.contains(QLatin1Char('/'))
            && !page.contains(QLatin1Char('\\')))
            m_topics.insert(context, page);
    }
    return true;
}

QString HelpService::topicFile(int context) const
{
    if (!m_loaded)
        return QString();
    const QString page = m_topics.value(context, QStringLiteral("index.html"));
    const QString path = QDir(m_folder).filePath(page);
    return QFile::exists(path) ? path : QDir(m_folder).filePath(QStringLiteral("index.html"));
}

bool HelpService::showTopic(int context)
{
    if (!ensureLoaded())
        return false;
    showPage(topicFile(context));
    return true;
}

bool HelpService::showContents()
{
    if (!ensureLoaded())
        return false;
    showPage(QDir(m_folder).filePath(QStringLiteral("index.html")));
    return true;
}

bool HelpService::ensureLoaded()
{
    if (m_failed)
        return false;
    if (!m_loaded) {
        m_loaded = load();
        m_failed = !m_loaded;
    }
    return m_loaded;
}

void HelpService::showPage(const QString &file)
{
    if (!m_window)
        m_window = new CHelpWindow;
    m_window->showPage(file);
}

void HelpService::reset()
{
    delete m_window;
    *this = HelpService();
}
