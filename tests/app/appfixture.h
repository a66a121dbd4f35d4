// A program folder of its own for each test: Program.ini, the translations and
// the help pages in a temporary directory, and message boxes answered by the
// test instead of shown.
#pragma once

#include "app/programapp.h"
#include "document/programdoc.h"
#include "settings/datapaths.h"
#include "support/messagerecorder.h"
#include "support/testfiles.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

// A change to one byte of a document, as a settings dialog makes it.
inline void SetByte(CProgramDoc *doc, int address, int value)
{
    MemoryImage updated = doc->image();
    updated[address] = quint8(value);
    doc->changeBytes(updated, QStringLiteral("Change"));
}

class AppFixture
{
public:
    // A modal window still open after this long was left by a failed check (its
    // answer never came): it is closed, so that the test ends with a failure
    // instead of waiting in the window's event loop for the runner's watchdog.
    static constexpr int kStrandedAfterMs = 10000;

    AppFixture()
    {
#ifdef Q_OS_WIN
        // Windows keeps the user's Program.ini copy in its known folder (the
        // suite's own), not under XDG_CONFIG_HOME: each case starts without one.
        const QString own = QFileInfo(DataPaths::userIniPath()).absolutePath();
        if (own.endsWith(QLatin1Char('/') + QCoreApplication::applicationName()))
            QDir(own).removeRecursively();
#endif
        QDir::setCurrent(m_dir.path());
        QObject::connect(&m_strandedCheck, &QTimer::timeout, [this] { closeStrandedModal(); });
        m_strandedCheck.start(100);
    }
    ~AppFixture()
    {
        m_strandedCheck.stop();
        m_app.reset();
        QVERIFY2(strandedModals.isEmpty(),
            qPrintable(QStringLiteral("modal windows left open: ") + strandedModals.join(',')));
    }

    QString dir() const
    {
        return m_dir.path();
    }

    void writeIni(const QByteArray &contents)
    {
        QVERIFY(WriteFile(m_dir.filePath(QStringLiteral("Program.ini")), contents));
    }

    static QByteArray ini(const QByteArray &language, const QByteArray &showLang = "1")
    {
        return "[Setup]\nLanguage=" + language + "\nShowLang=" + showLang
            + "\nAppName=testprog\nType1=T1\nField1=136-174MHz\n"
              "[English]\nCompany=Test Company\nAbout Title=About Test...\nVersion=V 1\n"
              "Copyrights=C 2\nCopyrights Owner=Owner 3\nAppName=Test Product\n"
              "[Chinese]\nCompany=测试公司\nAbout Title=关于测试...\nVersion=版本 1\n"
              "Copyrights=版权 2\nCopyrights Owner=所有者 3\nAppName=测试产品\n";
    }

    // Copies a built translation and the help pages beside Program.ini.
    void installLanguage(const QString &language)
    {
        const QString name = language + QStringLiteral(".qm");
        QVERIFY(QFile::copy(QStringLiteral(HTPROG_BIN_DIR "/") + name, m_dir.filePath(name)));
        // Qt's own texts, where the build put them beside the executables.
        const QString qt = QStringLiteral("translations/qtbase_zh_CN.qm");
        if (language == QLatin1String("Chinese")
            && QFileInfo::exists(QStringLiteral(HTPROG_BIN_DIR "/") + qt)) {
            QDir().mkpath(m_dir.filePath(QStringLiteral("translations")));
            QVERIFY(QFile::copy(QStringLiteral(HTPROG_BIN_DIR "/") + qt, m_dir.filePath(qt)));
        }
    }
    void installHelp()
    {
        for (const char *lang : {"en", "zh"}) {
            const QString from = QStringLiteral(HTPROG_BIN_DIR "/help/") + QLatin1String(lang);
            const QString to = m_dir.filePath(QStringLiteral("help/") + QLatin1String(lang));
            QDir().mkpath(to);
            const auto files = QDir(from).entryList(QDir::Files);
            for (const QString &file : files)
                QFile::copy(from + QLatin1Char('/') + file, to + QLatin1Char('/') + file);
        }
    }

    // The answers to the next questions (message boxes with more than OK).
    void answerMessages(QList<QMessageBox::StandardButton> answers = {})
    {
        m_messages.queue(std::move(answers));
    }
    const QList<MessageRecorder::Shown> &messages() const
    {
        return m_messages.shown();
    }

    // Closes every modal dialog that opens while it runs (the settings dialogs
    // that the commands open), recording its class name.
    void rejectDialogs()
    {
        auto *timer = new QTimer(&m_dialogCloser);
        QObject::connect(timer, &QTimer::timeout, [this] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                rejectedDialogs.append(QString::fromLatin1(dialog->metaObject()->className()));
                dialog->reject();
            }
        });
        timer->start(20);
    }

    // Starts the program in this folder; restarts are recorded, not run.
    bool start(const QStringList &arguments = {})
    {
        m_app = std::make_unique<CProgramApp>();
        m_app->setProgramDir(programDir.isEmpty() ? dir() : programDir);
        m_app->setLauncher([this](const QString &program, const QStringList &restartArguments) {
            launched.append(program);
            launchedArguments = restartArguments;
            return true;
        });
        return m_app->initInstance(arguments);
    }
    // Starts in the language with its translation installed and the default Program.ini.
    bool startIn(const QByteArray &language, const QStringList &arguments = {})
    {
        writeIni(ini(language));
        installLanguage(QString::fromLatin1(language));
        return start(arguments);
    }
    CProgramApp *app() const
    {
        return m_app.get();
    }

    QStringList launched;
    QStringList launchedArguments; // of the last restart
    QStringList rejectedDialogs;
    QStringList strandedModals; // class names of the modal windows closed as stranded
    // The executable's folder as the program sees it; this folder when empty.
    QString programDir;

private:
    void closeStrandedModal()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal != m_modal) {
            m_modal = modal;
            m_modalSince.start();
            return;
        }
        if (!modal || m_modalSince.elapsed() < kStrandedAfterMs)
            return;
        strandedModals.append(QString::fromLatin1(modal->metaObject()->className()));
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
        m_modal = nullptr;
    }

    QTemporaryDir m_dir;
    QTimer m_strandedCheck;
    QPointer<QWidget> m_modal;
    QElapsedTimer m_modalSince;
    MessageRecorder m_messages;
    QObject m_dialogCloser;
    std::unique_ptr<CProgramApp> m_app;
};
