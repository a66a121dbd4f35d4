#pragma once

#include "app/helpwindow.h"

#include <QHash>
#include <QPointer>
#include <QString>

// Help at a context number: the help pages of the interface language under
// <help root>/<en|zh>/, with "topics.map" naming the page of each context
// number ("32799=language.html"); numbers without a page of their own show
// "index.html". When the help set cannot be found the service marks itself
// failed and does nothing for the rest of the run.
class HelpService
{
public:
    static HelpService &instance();

    // The folder that holds en/ and zh/; by default help/ beside the executable.
    void setHelpRoot(const QString &root);
    QString helpRoot() const;

    // Opens the help window at the topic of context. False when there is no help.
    bool showTopic(int context);
    // Opens the help window at its contents page, index.html.
    bool showContents();

    // The page of a context number (after a successful load), empty if none.
    QString topicFile(int context) const;
    bool failed() const { return m_failed; }
    int loadAttempts() const { return m_loadAttempts; }
    CHelpWindow *window() const { return m_window; }

    // Back to the state before the first request (tests only).
    void reset();

private:
    HelpService() = default;
    bool load();
    // Loads the help set once; false (for good) when it cannot be found.
    bool ensureLoaded();
    void showPage(const QString &file);
    QString languageFolder() const;

    QString m_root;
    QString m_folder;
    QHash<int, QString> m_topics;
    bool m_loaded = false;
    bool m_failed = false;
    int m_loadAttempts = 0;
    QPointer<CHelpWindow> m_window;
};
