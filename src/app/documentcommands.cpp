#include "app/documentcommands.h"

#include "app/backgroundclient.h"
#include "app/childframe.h"
#include "channels/channelcodec.h"
#include "channelview/channelgrid.h"
#include "channelview/programview.h"
#include "document/programdoc.h"
#include "files/filelock.h"
#include "image/datfile.h"
#include "settings/messages.h"
#include "uiservices/uiservices.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

QString RealFileName(QWidget *parent, bool save, const QString &proposed)
{
    QFileDialog dialog(parent);
    dialog.setNameFilter(DocumentCommands::tr("Program Document (*.dat)"));
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.selectFile(proposed);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

DocumentCommands::DocumentCommands(QWidget *frame, CBackgroundClient *client)
    : QObject(frame)
    , m_frame(frame)
    , m_client(client)
    , m_fileName(RealFileName)
{
    connect(m_client, &QMdiArea::subWindowActivated, this, &DocumentCommands::onSubWindowActivated);
}

CChildFrame *DocumentCommands::shownChild() const
{
    return m_active && !m_active->isHidden() ? m_active : nullptr;
}

QList<CChildFrame *> DocumentCommands::children() const
{
    QList<CChildFrame *> result;
    const auto windows = m_client->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow *window : windows) {
        if (auto *child = qobject_cast<CChildFrame *>(window))
            result.append(child);
    }
    return result;
}

void DocumentCommands::setActive(CChildFrame *child)
{
    if (m_active == child)
        return;
    m_active = child;
    Q_EMIT activeChanged(child);
}

void DocumentCommands::onSubWindowActivated(QMdiSubWindow *window)
{
    // A window that hides leaves the area without an active window; the hidden
    // one stays the active document window until another takes its place.
    if (auto *child = qobject_cast<CChildFrame *>(window))
        setActive(child);
}

CChildFrame *DocumentCommands::createNew()
{
    auto *document = new CProgramDoc;
    document->OnNewDocument();
    return adopt(new CChildFrame(document));
}

CChildFrame *DocumentCommands::adopt(CChildFrame *child)
{
    m_client->addSubWindow(child);
    child->view()->initialUpdate();
    // Restoring from maximised gives the form's own size.
    child->fitToView();
    child->showMaximized();
    m_client->setActiveSubWindow(child);
    setActive(child);
    focusFirstCell(child);
    child->setCloseGuard([this](CChildFrame *c) { return resolveUnsavedEdits(c, true); });
    const auto changed = [this] { Q_EMIT documentStatesChanged(); };
    connect(child, &CChildFrame::shownChanged, this, changed);
    connect(child->document(), &CProgramDoc::modifiedChanged, this, changed);
    connect(child->document(), &CProgramDoc::receivingChanged, this, changed);
    connect(child, &QObject::destroyed, this, [this, child] {
        if (m_active == child) {
            m_active = nullptr;
            Q_EMIT activeChanged(nullptr);
        }
    });
    return child;
}

void DocumentCommands::focusFirstCell(CChildFrame *child)
{
    if (!child)
        return;
    placeCell(child, 0, kColRx);
    focusGrid(child);
}

bool DocumentCommands::placeCell(CChildFrame *child, int row, int column)
{
    ChannelGrid *grid = child->view()->grid();
    const QModelIndex cell = grid->model()->index(row, column);
    if (!cell.isValid() || grid->isColumnHidden(column))
        return false;
    grid->setCurrentIndex(cell);
    return true;
}

void DocumentCommands::focusGrid(CChildFrame *child)
{
    ChannelGrid *grid = child->view()->grid();
    grid->setFocus();
    grid->openCurrentEditor();
    if (QWidget *editor = grid->openEditor())
        editor->setFocus();
}

void DocumentCommands::fileNew()
{
    // A hidden document is never cleared unseen: New then opens a window of its own.
    CChildFrame *active = shownChild();
    if (!active) {
        createNew();
        return;
    }
    CProgramDoc *document = active->document();
    if (document->isReceiving())
        return;
    active->commitPendingEdits();
    if (document->IsModified()) {
        if (!resolveUnsavedEdits(active, false))
            return;
    } else {
        const auto answer = UiServices::Message(m_frame, QString(), MessageText(kMsgAllDataCleared),
            QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel);
        if (answer != QMessageBox::Ok)
            return;
    }
    // The active document takes the new image as a change of its own, so Undo
    // brings the cleared data back; a new image holds nothing to save.
    document->clearToNew();
    document->undoStack()->setClean();
    active->updateTitle();
    show(active);
    focusFirstCell(active);
}

CChildFrame *DocumentCommands::childOfFile(const QString &path) const
{
    const QString wanted = QFileInfo(path).canonicalFilePath();
    if (wanted.isEmpty())
        return nullptr;
    const auto windows = children();
    for (CChildFrame *child : windows) {
        const CProgramDoc *document = child->document();
        if (!document->isUntitled()
            && QFileInfo(document->pathName()).canonicalFilePath() == wanted)
            return child;
    }
    return nullptr;
}

bool DocumentCommands::open(const QString &path)
{
    // One document per file: a second copy would let two windows save over
    // each other.
    if (CChildFrame *existing = childOfFile(path)) {
        show(existing);
        Q_EMIT fileUsed(path);
        return true;
    }
    // The file is read before anything is asked, so a file that cannot be
    // opened costs no question and changes nothing. A pipe or a device would
    // leave the read waiting for a writer: it is refused before.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        UiServices::Message(m_frame, QString(),
            tr("%1 is not a file but a device or a pipe; it was not opened.")
                .arg(QDir::toNativeSeparators(path)),
            QMessageBox::Warning);
        return false;
    }
    MemoryImage probe;
    Status result = LoadDatFile(path, probe);
    CChildFrame *previous = shownChild();
    if (result.ok() && previous && !resolveUnsavedEdits(previous, true))
        return false;
    auto *document = new CProgramDoc;
    if (result.ok())
        result = document->OnOpenDocument(path);
    if (!result.ok()) {
        delete document;
        UiServices::ShowFailure(m_frame, result);
        return false;
    }
    document->setTitle(QFileInfo(path).fileName());
    if (previous)
        previous->hide(); // its edits were settled above
    adopt(new CChildFrame(document));
    Q_EMIT fileUsed(path);
    // Another process (htprog-cli import, a second program) changing the file
    // holds it: this copy can be read and edited, but not saved under its name.
    const QString holder = FileLock::heldBy(path);
    if (!holder.isEmpty()) {
        UiServices::Message(m_frame, QString(),
            tr("%1 is in use by another process (%2).\nThe document is open to read, but it "
               "cannot be saved under its name while that process holds it; Save offers Save "
               "As instead.")
                .arg(QDir::toNativeSeparators(path), holder),
            QMessageBox::Warning);
    }
    return true;
}

bool DocumentCommands::openCopy(const QString &path)
{
    MemoryImage raw {};
    const Status result = LoadDatFile(path, raw);
    if (!result.ok()) {
        UiServices::ShowFailure(m_frame, result);
        return false;
    }
    auto *document = new CProgramDoc;
    document->openImage(raw);
    const QString name = QFileInfo(path).fileName();
    document->setTitle(name);
    document->setPathName(name); // proposed by Save As, in the current folder
    if (CChildFrame *previous = m_active)
        previous->close();
    adopt(new CChildFrame(document));
    return true;
}

QString DocumentCommands::askFileName(bool save, const QString &proposed)
{
    return m_fileName ? m_fileName(m_frame, save, proposed) : QString();
}

bool DocumentCommands::writeDocument(CChildFrame *child, const QString &path)
{
    child->commitPendingEdits();
    Status result = child->document()->OnSaveDocument(path);
    // Opening such a file ignored its bytes past the image; replacing it loses them.
    if (result.kind() == Status::Kind::WrongSize) {
        const QString text = tr("%1 is %2 bytes, not an %3-byte image. Replace it with the "
                                "%3 bytes of this document? Its other bytes will be lost.")
                                 .arg(QDir::toNativeSeparators(path))
                                 .arg(QFileInfo(path).size())
                                 .arg(kImageSize);
        if (UiServices::Message(
                m_frame, QString(), text, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::Yes)
            return false;
        result = child->document()->OnSaveDocument(path, true);
    }
    if (result.kind() == Status::Kind::Busy) {
        // Held by another process: the edits can still go into another file.
        const QString text = tr("%1\nSave the document under another name?").arg(result.text());
        if (UiServices::Message(
                m_frame, QString(), text, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::Yes)
            return false;
        return saveAs(child);
    }
    if (!result.ok()) {
        UiServices::ShowFailure(m_frame, result);
        return false;
    }
    child->document()->setTitle(QFileInfo(path).fileName());
    child->updateTitle();
    Q_EMIT fileUsed(path);
    return true;
}

bool DocumentCommands::save(CChildFrame *child)
{
    if (!child)
        return false;
    // A document from New carries the AppName text as its path: it is only a
    // proposal for the name, never a file to overwrite without asking.
    if (child->document()->isUntitled())
        return saveAs(child);
    return writeDocument(child, child->document()->pathName());
}

bool DocumentCommands::saveAs(CChildFrame *child)
{
    if (!child)
        return false;
    QString proposed = child->document()->pathName();
    if (child->document()->isUntitled() && !proposed.isEmpty()
        && !proposed.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive))
        proposed += QLatin1String(".dat");
    const QString path = askFileName(true, proposed);
    if (path.isEmpty())
        return false;
    return writeDocument(child, path);
}

bool DocumentCommands::resolveUnsavedEdits(CChildFrame *child, bool revertOnDiscard)
{
    CProgramDoc *document = child->document();
    child->commitPendingEdits();
    if (!document->IsModified())
        return true;
    const QString text = tr("The document \"%1\" has changes that were not saved.\nSave them now?")
                             .arg(document->title());
    const auto answer = UiServices::Message(m_frame, QString(), text, QMessageBox::Question,
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Save)
        return save(child);
    if (answer != QMessageBox::Discard)
        return false;
    // Should the saved state be out of reach (its file gone), the edits stay in
    // the document: the Window menu still shows it with its "*".
    if (revertOnDiscard)
        document->revertToSaved();
    return true;
}

bool DocumentCommands::confirmUnsavedEdits()
{
    const auto windows = children();
    for (CChildFrame *child : windows) {
        if (!resolveUnsavedEdits(child, false))
            return false;
    }
    return true;
}

void DocumentCommands::fileOpen()
{
    const QString path = askFileName(false, QString());
    if (!path.isEmpty())
        open(path);
}

void DocumentCommands::fileClose()
{
    if (CChildFrame *child = shownChild())
        child->close();
}

void DocumentCommands::fileSave()
{
    save(shownChild());
}

void DocumentCommands::fileSaveAs()
{
    saveAs(shownChild());
}

void DocumentCommands::show(CChildFrame *child)
{
    if (!child)
        return;
    // A hidden window comes back as it was (maximised or not); a minimised one
    // is restored.
    if (child->isMinimized())
        child->showNormal();
    else
        child->show();
    m_client->setActiveSubWindow(child);
    setActive(child);
    // The keyboard goes back to the grid's current cell, not to the first box.
    focusGrid(child);
}

void DocumentCommands::showActive()
{
    show(m_active);
}
