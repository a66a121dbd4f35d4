#pragma once

#include <QObject>
#include <QStringList>
#include <QTranslator>
#include <functional>
#include <memory>

class CMainFrame;
struct ReopenedDocument;

// The application: start-up (settings, interface language and its translation,
// the main window, the first document, the menu edits), the restart after a
// language change, and the services the view and the dialogs ask for.
class CProgramApp : public QObject
{
    Q_OBJECT

public:
    // Starts a program; returns false when it could not be started.
    using Launcher = std::function<bool(const QString &program, const QStringList &arguments)>;

    explicit CProgramApp(QObject *parent = nullptr);
    ~CProgramApp() override;

    // The executable's folder, where "Program.ini", the translations and the help
    // pages are looked for first (DataPaths); by default the executable's own.
    void setProgramDir(const QString &dir) { m_programDir = dir; }
    QString programDir() const;
    void setLauncher(Launcher launcher) { m_launcher = std::move(launcher); }

    // The start-up sequence; arguments are the command line without the program.
    // False ends the program at once.
    bool initInstance(const QStringList &arguments);

    CMainFrame *mainFrame() const { return m_mainFrame; }

    // The "ShowLang" rule: a leading decimal integer; empty or non-numeric text is 0.
    static int leadingInteger(const QString &text);

private:
    bool loadTranslations();
    void loadQtTranslation();
    void applyMenuEdits();
    void installServices();
    // Closes the program (after its questions), stores language and starts the
    // program anew with the documents that were open; a cancelled question
    // leaves everything, the stored language included, as it was.
    void restartInNewLanguage(const QString &language);
    // Opens the documents of the command line at their cells; false when none opened.
    bool openDocuments(const QStringList &arguments);
    // The documents the restart opens again, the active one last.
    QList<ReopenedDocument> documentsToReopen() const;

    QString m_programDir;
    Launcher m_launcher;
    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<QTranslator> m_qtTranslator;
    CMainFrame *m_mainFrame = nullptr;
};
