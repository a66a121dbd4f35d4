// The COM Setup dialog: which serial port the radio transfers open. It offers
// the ports this machine reports (with their descriptions; ports that cannot be
// opened now are shown disabled), the simulated radio and a typed device path.
// OK stores the choice per user and makes it the port of every later transfer.
// Find My Cable selects the port that appears when the cable is plugged in.
#pragma once

#include "dialogview/findcabledlg.h"

#include <QDialog>

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;
struct PortEntry;

class CComSetupDlg : public QDialog
{
    Q_OBJECT

public:
    // ports: the machine's ports as the link lists them.
    CComSetupDlg(const QList<PortEntry> &ports, QWidget *parent = nullptr);

    // The port that OK would store: a listed device, "sim" or the typed path;
    // empty when nothing is chosen.
    QString chosenPort() const;
    QList<QRadioButton *> choices() const;
    QLineEdit *pathEdit() const { return m_path; }
    QPushButton *findCableButton() const { return m_findCable; }

    // How Find My Cable lists the ports, and how long it waits for one to appear.
    void setPortLister(PortLister lister, int timeoutMs = CFindCableDlg::kDefaultTimeoutMs)
    {
        m_lister = std::move(lister);
        m_findTimeoutMs = timeoutMs;
    }

    void accept() override;

private:
    QRadioButton *addChoice(const QString &text, const QString &port, bool enabled);
    void preselect(const QString &stored);
    void findCable();
    void select(const QString &port);

    QButtonGroup *m_group = nullptr;
    QRadioButton *m_typed = nullptr;
    QLineEdit *m_path = nullptr;
    QVBoxLayout *m_choicesLayout = nullptr;
    QPushButton *m_findCable = nullptr;
    PortLister m_lister;
    int m_findTimeoutMs = CFindCableDlg::kDefaultTimeoutMs;
};
