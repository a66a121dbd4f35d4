// Answers the message boxes that GUI code shows through UiServices while it
// lives, and records them. A box with only OK gets OK; a question gets the next
// queued answer, Cancel once they run out. The newest recorder answers: one that
// ends after a newer one was made (a fixture replaced by the next) leaves the
// newer one answering, so no real, modal message box ever waits for a click.
// Header-only: the suites that use it link the GUI code that provides UiServices.
#pragma once

#include "settings/messages.h"
#include "uiservices/uiservices.h"

#include <QCoreApplication>
#include <QList>
#include <QThread>

class MessageRecorder
{
public:
    struct Shown
    {
        QString caption;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        bool onGuiThread;
    };

    explicit MessageRecorder(QList<QMessageBox::StandardButton> answers = {})
        : m_answers(std::move(answers))
    {
        current() = this;
        UiServices::SetMessageFunction(
            [this](QWidget *, const QString &caption, const QString &text, QMessageBox::Icon icon,
                QMessageBox::StandardButtons buttons) {
                const bool onGuiThread = QThread::currentThread() == qApp->thread();
                m_shown.append({caption, text, icon, buttons, onGuiThread});
                if (buttons == QMessageBox::Ok)
                    return QMessageBox::Ok;
                return m_answers.isEmpty() ? QMessageBox::Cancel : m_answers.takeFirst();
            });
    }
    ~MessageRecorder()
    {
        if (current() != this)
            return;
        current() = nullptr;
        UiServices::SetMessageFunction(nullptr);
    }
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    void queue(QList<QMessageBox::StandardButton> answers) { m_answers = std::move(answers); }
    void clear() { m_shown.clear(); }
    const QList<Shown> &shown() const { return m_shown; }

    // The string-table ids of the messages shown, in order (0 for other texts);
    // a message may carry more text after the table's.
    QList<int> ids() const
    {
        QList<int> ids;
        for (const Shown &s : m_shown) {
            int id = 0;
            for (int candidate : {kMsgOutOfRange, kMsgCommunicationError, kMsgAllDataCleared,
                     kMsgCouldNotOpenPort, kMsgProgramInterrupt, kMsgOffStep, kMsgNotAFrequency}) {
                if (s.text.startsWith(MessageText(candidate)))
                    id = candidate;
            }
            ids << id;
        }
        return ids;
    }

private:
    static MessageRecorder *&current()
    {
        static MessageRecorder *recorder = nullptr;
        return recorder;
    }

    QList<QMessageBox::StandardButton> m_answers;
    QList<Shown> m_shown;
};
