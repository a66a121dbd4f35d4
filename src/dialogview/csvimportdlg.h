// File > Import CSV...: what importing a channel list would do to the active
// document before it is done. The list shows every row to be written (as the
// grid will show it), the channels that "Replace all channels" empties, every
// note about a value adapted to the radio, the lines left out by "Skip lines
// that are refused", or the line that makes the file unusable; the summary names
// the channels in use that the import replaces. OK applies the import as one command on the
// document, so one Undo takes it back.
#pragma once

#include "csv/channelcsv.h"

#include <QDialog>
#include <QPointer>

class CProgramDoc;
class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

class CCsvImportDlg : public QDialog
{
    Q_OBJECT

public:
    enum class Group { Written, Emptied, Notes, Skipped };

    CCsvImportDlg(
        CProgramDoc *document, const QByteArray &csv, const QString &fileName, QWidget *parent);

    QCheckBox *replaceCheck() const { return m_replace; }
    QCheckBox *skipBadCheck() const { return m_skipBad; }
    QCheckBox *intoFreeCheck() const { return m_intoFree; }
    QSpinBox *firstFreeBox() const { return m_firstFree; }
    QTreeWidget *preview() const { return m_preview; }
    QLabel *summary() const { return m_summary; }
    QPushButton *okButton() const { return m_ok; }
    // The group item of the preview; nullptr when the group is empty.
    QTreeWidgetItem *group(Group kind) const;

    // Imports into the document as it is now: one command, then the dialog closes.
    void accept() override;

private:
    // The import into a copy of the document's image.
    CsvImportResult importInto(MemoryImage &image) const;
    void updatePreview();
    void addWritten(const CsvImportResult &result, const MemoryImage &after);
    void addEmptied(
        const CsvImportResult &result, const MemoryImage &before, const MemoryImage &after);
    QTreeWidgetItem *addGroup(Group kind, const QString &title, int count);
    void addTextGroup(Group kind, const QString &title, const QStringList &lines);
    QString summaryText(const CsvImportResult &result) const;

    QPointer<CProgramDoc> m_document;
    const QByteArray m_csv;
    const QString m_fileName;
    QLabel *m_summary = nullptr;
    QCheckBox *m_replace = nullptr;
    QCheckBox *m_skipBad = nullptr;
    QCheckBox *m_intoFree = nullptr;
    QSpinBox *m_firstFree = nullptr;
    QTreeWidget *m_preview = nullptr;
    QPushButton *m_ok = nullptr;
};
