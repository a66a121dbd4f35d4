#pragma once

#include "compare/imagediff.h"
#include "csv/channelcsv.h"

#include <QObject>
#include <functional>

class CChildFrame;
class CProgramDoc;
class DocumentCommands;
class QWidget;

// The File commands that bring other images and channel lists in and out:
// Open Backup (a kept copy as a new document), Compare With (the active
// document against a file or a backup), Import CSV and Export CSV; and Help >
// Save Link Log, the bytes of the latest transfer for a bug report.
class ImageFileCommands : public QObject
{
    Q_OBJECT

public:
    enum class FileRequest { CompareImage, ImportCsv, ExportCsv, SaveLinkLog };
    // Asks for a file name; empty when the user cancels. For ExportCsv, layout
    // comes in as the proposed format and goes out as the chosen one.
    using FileNameFunction = std::function<QString(
        QWidget *parent, FileRequest request, const QString &proposed, CsvLayout *layout)>;

    // A CSV file larger than this is refused before it is read.
    static constexpr qint64 kMaxCsvBytes = 4 * 1024 * 1024;

    ImageFileCommands(QWidget *frame, DocumentCommands *documents);

    void setFileNameFunction(FileNameFunction f) { m_fileName = std::move(f); }

    void openBackup();
    void compareWith();
    void importCsv();
    void exportCsv();
    void saveLinkLog();

    // Shows the document window as it was (maximised or not) in front and makes
    // record/column its current cell.
    void goToCell(CChildFrame *child, int record, int column);

private:
    // The document against other, with the settings that opening the document's
    // file set marked.
    static ImageDiff differences(const CProgramDoc *document, const MemoryImage &other);
    QString askFileName(FileRequest request, const QString &proposed, CsvLayout *layout);
    void warn(const QString &text);

    QWidget *m_frame;
    DocumentCommands *m_documents;
    FileNameFunction m_fileName;
};
