#include "app/imagefilecommands.h"

#include "app/childframe.h"
#include "app/documentcommands.h"
#include "channelview/channelgrid.h"
#include "channelview/programview.h"
#include "dialogview/backupsdlg.h"
#include "dialogview/comparedlg.h"
#include "dialogview/csvimportdlg.h"
#include "dialogview/latestlinklog.h"
#include "document/programdoc.h"
#include "image/datfile.h"
#include "settings/inifile.h"
#include "settings/language.h"
#include "uiservices/uiservices.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QUndoStack>
#include <memory>

namespace {

QString RealFileName(QWidget *parent, ImageFileCommands::FileRequest request,
    const QString &proposed, CsvLayout *layout)
{
    using Request = ImageFileCommands::FileRequest;
    const QString gridFilter = ImageFileCommands::tr("Channel table CSV (*.csv)");
    const QString communityFilter = ImageFileCommands::tr("Community CSV (*.csv)");
    QFileDialog dialog(parent);
    if (request == Request::CompareImage) {
        dialog.setNameFilter(DocumentCommands::tr("Program Document (*.dat)"));
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else if (request == Request::ImportCsv) {
        dialog.setNameFilters(
            {ImageFileCommands::tr("CSV files (*.csv)"), ImageFileCommands::tr("All files (*)")});
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else if (request == Request::SaveLinkLog) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(
            {ImageFileCommands::tr("Link logs (*.log)"), ImageFileCommands::tr("All files (*)")});
        dialog.setDefaultSuffix(QStringLiteral("log"));
        dialog.selectFile(proposed);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters({gridFilter, communityFilter});
        dialog.selectNameFilter(*layout == CsvLayout::Community ? communityFilter : gridFilter);
        dialog.setDefaultSuffix(QStringLiteral("csv"));
        dialog.selectFile(proposed);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    if (request == Request::ExportCsv)
        *layout = dialog.selectedNameFilter() == communityFilter ? CsvLayout::Community
                                                                 : CsvLayout::Grid;
    return dialog.selectedFiles().constFirst();
}

// The bytes of a CSV file, or why they could not be had. Only a regular file of
// a sensible size is read: a FIFO or a device would block or never end.
bool ReadCsvFile(const QString &path, QByteArray *bytes, QString *error)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.isFile()) {
        *error = ImageFileCommands::tr("%1 is not a file that can be imported. Choose a CSV file.")
                     .arg(shown);
        return false;
    }
    if (info.size() > ImageFileCommands::kMaxCsvBytes) {
        *error = ImageFileCommands::tr("%1 is too large for a list of channels (%2 bytes). "
                                       "Choose a CSV file of at most 200 channels.")
                     .arg(shown)
                     .arg(info.size());
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = ImageFileCommands::tr("Cannot read %1: %2.").arg(shown, file.errorString());
        return false;
    }
    *bytes = file.read(ImageFileCommands::kMaxCsvBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        *error = ImageFileCommands::tr("Cannot read %1: %2.").arg(shown, file.errorString());
        return false;
    }
    return true;
}

} // namespace

ImageFileCommands::ImageFileCommands(QWidget *frame, DocumentCommands *documents)
    : QObject(frame)
    , m_frame(frame)
    , m_documents(documents)
    , m_fileName(RealFileName)
{ }

QString ImageFileCommands::askFileName(
    FileRequest request, const QString &proposed, CsvLayout *layout)
{
    return m_fileName ? m_fileName(m_frame, request, proposed, layout) : QString();
}

void ImageFileCommands::warn(const QString &text)
{
    UiServices::Message(m_frame, QString(), text, QMessageBox::Warning);
}

void ImageFileCommands::openBackup()
{
    const BackupStore store;
    CBackupsDlg dialog(store.list(), store.folder(), CBackupsDlg::Purpose::Open, m_frame);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedPath().isEmpty())
        m_documents->openCopy(dialog.selectedPath());
}

void ImageFileCommands::compareWith()
{
    const QPointer<CChildFrame> child = m_documents->activeChild();
    if (!child)
        return;
    QString path;
    {
        const BackupStore store;
        CBackupsDlg dialog(store.list(), store.folder(), CBackupsDlg::Purpose::Compare, m_frame);
        const int answer = dialog.exec();
        if (answer == QDialog::Accepted)
            path = dialog.selectedPath();
        else if (answer == CBackupsDlg::kOtherFile)
            path = askFileName(FileRequest::CompareImage, QString(), nullptr);
    }
    if (path.isEmpty() || !child)
        return;
    MemoryImage other {};
    const Status loaded = LoadDatFile(path, other);
    if (!loaded.ok()) {
        UiServices::ShowFailure(m_frame, loaded);
        return;
    }
    child->commitPendingEdits();
    CProgramDoc *document = child->document();
    auto *window = new CCompareDlg(
        differences(document, other), document->title(), QFileInfo(path).fileName(), m_frame);
    // The list follows the document's edits; Refresh reads the other file again
    // as well (a file that cannot be read any more keeps the bytes read before).
    auto kept = std::make_shared<MemoryImage>(other);
    const QPointer<CCompareDlg> shown = window;
    const QPointer<CProgramDoc> compared = document;
    const auto update = [compared, shown, kept] {
        if (compared && shown)
            shown->showDiff(differences(compared, *kept));
    };
    connect(window, &CCompareDlg::refreshRequested, this, [child, path, kept, update] {
        MemoryImage reread {};
        if (LoadDatFile(path, reread).ok())
            *kept = reread;
        if (child)
            child->commitPendingEdits();
        update();
    });
    connect(document->undoStack(), &QUndoStack::indexChanged, window, update);
    connect(document, &CProgramDoc::stateReset, window, update);
    connect(window, &CCompareDlg::channelActivated, this,
        [this, child](int record, int column) { goToCell(child, record, column); });
    window->show();
}

ImageDiff ImageFileCommands::differences(const CProgramDoc *document, const MemoryImage &other)
{
    ImageDiff diff = DiffImages(document->image(), other, g_bChinese, g_iniFile);
    if (document->openedFromFile())
        MarkSetAtOpen(
            diff, document->fileAtOpen(), document->imageAtOpen(), document->image(), g_iniFile);
    return diff;
}

void ImageFileCommands::goToCell(CChildFrame *child, int record, int column)
{
    if (!child)
        return;
    // The window comes back as it was (maximised stays maximised), in front.
    m_documents->show(child);
    ChannelGrid *grid = child->view()->grid();
    const QModelIndex index = grid->model()->index(record, column);
    grid->setCurrentIndex(index);
    grid->scrollTo(index);
    grid->setFocus();
    child->window()->raise();
    child->window()->activateWindow();
}

void ImageFileCommands::importCsv()
{
    const QPointer<CChildFrame> child = m_documents->activeChild();
    if (!child)
        return;
    const QString path = askFileName(FileRequest::ImportCsv, QString(), nullptr);
    if (path.isEmpty() || !child)
        return;
    QByteArray csv;
    QString error;
    if (!ReadCsvFile(path, &csv, &error)) {
        warn(error);
        return;
    }
    child->commitPendingEdits();
    CCsvImportDlg dialog(child->document(), csv, QFileInfo(path).fileName(), m_frame);
    dialog.exec();
}

void ImageFileCommands::exportCsv()
{
    const QPointer<CChildFrame> child = m_documents->activeChild();
    if (!child)
        return;
    CsvLayout layout = CsvLayout::Grid;
    const QString proposed = QFileInfo(child->document()->title()).completeBaseName();
    const QString path
        = askFileName(FileRequest::ExportCsv, proposed + QStringLiteral(".csv"), &layout);
    if (path.isEmpty() || !child)
        return;
    child->commitPendingEdits();
    const Status saved
        = SaveFileAtomically(path, ExportChannelsCsv(child->document()->image(), layout));
    if (!saved.ok())
        UiServices::ShowFailure(m_frame, saved);
}

void ImageFileCommands::saveLinkLog()
{
    const std::shared_ptr<const LinkTrace> log = LatestLinkLog();
    if (!log || log->isEmpty()) {
        UiServices::Message(m_frame, QString(),
            tr("There is no link log yet: no transfer with the radio has run since the program "
               "started. Read or write the radio, then save the log of that transfer."),
            QMessageBox::Information);
        return;
    }
    const QString proposed
        = QStringLiteral("link-%1.log")
              .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    const QString path = askFileName(FileRequest::SaveLinkLog, proposed, nullptr);
    if (path.isEmpty())
        return;
    const Status saved = log->save(path);
    if (!saved.ok())
        UiServices::ShowFailure(m_frame, saved);
}
