// The COM Setup dialog: which serial port the radio transfers open. It offers
// the ports this machine reports (with their descriptions; ports that cannot be
// opened now are shown disabled), the simulated radio and a typed device path.
// OK stores the choice per user and makes it the port of every later transfer.
#pragma once

#include <QDialog>

class QButtonGroup;
class QLineEdit;
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

    void accept() override;

private:
    QRadioButton *addChoice(const QString &text, const QString &port, bool enabled);
    void preselect(const QString &stored);

    QButtonGroup *m_group = nullptr;
    QRadioButton *m_typed = nullptr;
    QLineEdit *m_path = nullptr;
    QVBoxLayout *m_choicesLayout = nullptr;
};
