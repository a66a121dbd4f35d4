// Find My Cable: finds the port of the programming cable by the port that
// appears when it is plugged in. The user unplugs the cable and presses Next
// (the ports then present are noted), then plugs it in; the list is polled
// until a new port appears (accepted, foundPort()) or the time runs out (the
// user may try again). Cancel ends it at any step.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QStringList>
#include <functional>

class QLabel;
class QPushButton;
class QTimer;
struct PortEntry;

// The machine's serial ports (ListPorts; a test gives its own).
using PortLister = std::function<QList<PortEntry>()>;

class CFindCableDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kPollMs = 250;
    static constexpr int kDefaultTimeoutMs = 30000;

    CFindCableDlg(PortLister lister, int timeoutMs = kDefaultTimeoutMs, QWidget *parent = nullptr);

    // The port that appeared, once the dialog was accepted.
    QString foundPort() const { return m_found; }
    QPushButton *nextButton() const { return m_next; }
    QLabel *stepLabel() const { return m_step; }

private:
    void askToUnplug(const QString &before);
    void waitForPlug();
    void poll();
    QStringList portNames() const;

    PortLister m_lister;
    const int m_timeoutMs;
    QLabel *m_step;
    QPushButton *m_next;
    QTimer *m_timer;
    QElapsedTimer m_waiting;
    QStringList m_unplugged; // the ports present while the cable was out
    QString m_found;
};
