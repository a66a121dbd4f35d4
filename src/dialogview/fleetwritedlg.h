// Program > Write to Several Radios...: the document's image written to one radio
// after another, each verified. Next writes the radio now connected (on the
// transfer worker, never on this thread); a table logs each radio's number,
// time, power-on name and result; optional power-on names, one a line (typed or
// from a text file), each checked as the Optional Features dialog checks it and
// written into that radio's copy only. The log is kept after every radio as
// fleet-YYYYMMDD-HHMMSS.csv in the backups folder and can be printed. The
// document is never changed.
#pragma once

#include "fleet/fleetlog.h"
#include "image/memoryimage.h"

#include <QDialog>
#include <QStringList>
#include <atomic>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QThread;
class TransferWorker;

class CFleetWriteDlg : public QDialog
{
    Q_OBJECT

public:
    // image: what every radio gets (the document's image when the command ran).
    CFleetWriteDlg(const MemoryImage &image, QWidget *parent = nullptr);
    ~CFleetWriteDlg() override;

    QLabel *instruction() const { return m_instruction; }
    QPlainTextEdit *namesEdit() const { return m_names; }
    QTableWidget *table() const { return m_table; }
    QPushButton *nextButton() const { return m_next; }
    QPushButton *closeButton() const { return m_close; }
    QPushButton *printButton() const { return m_print; }
    bool isRunning() const { return m_thread != nullptr; }
    const QVector<FleetRecord> &records() const { return m_records; }
    // The log's path once the first radio is logged; "" before.
    QString logPath() const { return m_logPath; }

    // Writes the radio now connected (the names are checked at the first one).
    void next();
    // The log as an HTML table, as it is printed.
    QString logHtml() const;

    // Cancel stops a running transfer at its next block; Close waits for it.
    void reject() override;

Q_SIGNALS:
    // Emitted on this thread when a radio's transfer has ended and is logged.
    void radioDone(int radio);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void loadNames();
    bool takeNames();
    void onFinished();
    void addRow(const FleetRecord &record);
    void saveLog();
    void printLog();
    void updateState();
    QString detailOf(const TransferWorker &worker) const;

    const MemoryImage m_image;
    QString m_portName;
    QStringList m_nameList; // fixed at the first radio
    bool m_namesTaken = false;
    QVector<FleetRecord> m_records;
    QString m_logPath;
    std::atomic<bool> m_cancel {false};
    QThread *m_thread = nullptr;
    TransferWorker *m_worker = nullptr;
    QString m_runningName;

    QLabel *m_instruction = nullptr;
    QPlainTextEdit *m_names = nullptr;
    QPushButton *m_loadNames = nullptr;
    QTableWidget *m_table = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_logLabel = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_close = nullptr;
};
