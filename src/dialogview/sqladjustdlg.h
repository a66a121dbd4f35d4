// The Sql Adjust dialog: the squelch calibration levels of one document's
// image in two grids (7 VHF, 13 UHF levels, 0-127). OK stores the grids into
// the image; Read and Write move the calibration block directly between the
// image and the radio on the chosen port.
#pragma once

#include "image/memoryimage.h"

#include <QDialog>

class CProgramDoc;
class QTableWidget;
class Status;

class CSqlAdjustDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CSqlAdjustDlg(CProgramDoc *document, QWidget *parent = nullptr);

    QTableWidget *vhfGrid() const { return m_vhfGrid; }
    QTableWidget *uhfGrid() const { return m_uhfGrid; }

    void accept() override;
    void onRead();
    void onWrite();

private:
    QTableWidget *makeGrid(int id, int rows, const QString &heading);
    void loadGrids();
    // Grid texts -> image; marks the document modified when a byte changed.
    void storeGrids();
    // Puts a changed image into the document and marks it modified.
    void showOutcome(const Status &outcome, bool writeDirection);

    CProgramDoc *m_document;
    QTableWidget *m_vhfGrid = nullptr;
    QTableWidget *m_uhfGrid = nullptr;
};
