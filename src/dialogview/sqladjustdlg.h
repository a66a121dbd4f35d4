// The Sql Adjust dialog: the squelch calibration levels of one document's
// image in two grids (7 VHF, 13 UHF levels, 0-127). OK stores the grids into
// the image; Read and Write move the calibration block directly between the
// image and the radio on the chosen port. The block transfer runs on a worker
// thread; meanwhile the grids and every button but Cancel are out of use, and
// Cancel (or Escape, or the close box) stops the transfer at its next block
// boundary without a message and leaves the dialog open.
#pragma once

#include "image/memoryimage.h"

#include <QDialog>
#include <QList>
#include <atomic>

class CProgramDoc;
class QPushButton;
class QTableWidget;
class QThread;
class Status;
class TransferWorker;

class CSqlAdjustDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CSqlAdjustDlg(CProgramDoc *document, QWidget *parent = nullptr);

    QTableWidget *vhfGrid() const { return m_vhfGrid; }
    QTableWidget *uhfGrid() const { return m_uhfGrid; }

    ~CSqlAdjustDlg() override;

    QPushButton *readButton() const { return m_read; }
    QPushButton *writeButton() const { return m_write; }
    QPushButton *cancelButton() const { return m_cancel; }
    // From Read or Write until the transfer's end has been shown.
    bool isTransferring() const { return m_thread != nullptr; }

    void accept() override;
    // Cancel: stops a running transfer, otherwise closes without storing.
    void reject() override;
    void onRead();
    void onWrite();

Q_SIGNALS:
    // A Read or Write ended and its message, if any, was shown.
    void transferEnded();

private:
    QTableWidget *makeGrid(int id, int rows, const QString &heading);
    void loadGrids();
    // Grid texts -> image; marks the document modified when a byte changed.
    void storeGrids();
    // Puts a changed image into the document and marks it modified.
    void showOutcome(const Status &outcome, bool writeDirection);
    void startTransfer(bool writeDirection);
    void onTransferFinished();
    void setBusy(bool busy);

    CProgramDoc *m_document;
    QTableWidget *m_vhfGrid = nullptr;
    QTableWidget *m_uhfGrid = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_read = nullptr;
    QPushButton *m_write = nullptr;
    // The widgets that were usable before a transfer took the dialog.
    QList<QWidget *> m_heldWidgets;
    std::atomic<bool> m_stop {false};
    QThread *m_thread = nullptr;
    TransferWorker *m_worker = nullptr;
    bool m_writing = false;
};
