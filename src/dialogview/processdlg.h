// The transfer progress dialog of Program > Read and Program > Write. Modeless:
// it is shown armed, its OK disables itself and starts the whole-image transfer
// on a worker thread, and it closes itself at every end of the transfer. Cancel
// before OK closes it without touching the port; Cancel during the transfer
// stops it at the next poll point. While a read dialog exists its document is
// receiving: it takes no edits that the read would overwrite. The Write dialog has "Verify after
// writing" (remembered per user): the radio is then read again and compared, the progress runs
// through both halves, and Cancel while verifying stops only the verification. How the write went
// is reported in a message when it ends; after a verification that found other bytes the message
// offers Write Again. A line above the bar says what to do before OK (the port, the cable, the
// radio's power) and then what the transfer is doing (waiting for the radio,
// how much was read or written, verifying).
#pragma once

#include <QDialog>
#include <QPointer>
#include <atomic>

class CProgramDoc;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QThread;
class TransferWorker;
class Status;

class CProcessDlg : public QDialog
{
    Q_OBJECT

public:
    enum class Direction { Read, Write };

    // parent: the main window, which the dialog never outlives.
    CProcessDlg(CProgramDoc *document, Direction direction, QWidget *parent = nullptr);
    ~CProcessDlg() override;

    Direction direction() const { return m_direction; }
    // From OK until the transfer's end.
    bool isRunning() const;

    QLabel *countText() const { return m_count; }
    QLabel *stepText() const { return m_step; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    // "Verify after writing"; nullptr in the Read dialog.
    QCheckBox *verifyCheck() const { return m_verify; }

    void OnOK();
    // Cancel, Escape and the close box.
    void reject() override;

Q_SIGNALS:
    // OK starts the transfer and the document's image is about to be taken: what
    // was typed into the grid while the dialog waited is to be committed now.
    void transferStarting();
    // Emitted on the GUI thread just before the dialog closes after a transfer.
    void transferEnded(bool ok);
    // After a read or a write that went through: what happened, when, and the
    // name of the copy kept, for the status bar.
    void statusReport(const QString &text);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void RunTransfer();
    void onProgress(int position);
    void onEntryAttempt(int attempt, int attempts);
    void onConnected();
    bool verifying() const;
    void onTransferFinished();
    bool askRetry();
    void showFailure(const Status &outcome);
    // The document takes edits again (a read dialog's end).
    void releaseDocument();
    // True when the user asked to write again.
    bool reportEnd(const TransferWorker &worker);
    void reportStatus(const TransferWorker &worker);

    QString m_strTitle;
    QPointer<CProgramDoc> m_document;
    const Direction m_direction;
    std::atomic<bool> m_bCancel {false};
    QString m_portName;

    QProgressBar *m_progress = nullptr;
    QLabel *m_count = nullptr;
    QLabel *m_step = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QCheckBox *m_verify = nullptr;
    QThread *m_thread = nullptr;
    TransferWorker *m_worker = nullptr;
};
