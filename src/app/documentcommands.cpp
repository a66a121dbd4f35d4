#include "documentcommands.h"

#include "backgroundclient.h"
#include "childframe.h"
#include "messages.h"
#include "programdoc.h"
#include "programview.h"
#include "uiservices.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

QString realFileName(QWidget *parent, bool save, const QString &proposed)
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
    , m_fileName(realFileName)
{
    connect(m_client, &QMdiArea::subWindowActivated, this, &DocumentCommands::onSubWindowActivated);
}

QList<CChildFrame *> DocumentCommands::children() const
{
    QList<CChildFrame *> result;
    const auto windows = m_client->subWindowList();
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
    child->fitToView();
    child->show();
    m_client->setActiveSubWindow(child);
    setActive(child);
    connect(child, &QObject::destroyed, this, [this, child] {
        if (m_active == child) {
            m_active = nullptr;
            Q_EMIT activeChanged(nullptr);
        }
    });
    return child;
}

void DocumentCommands::fileNew()
{
    CChildFrame *active = m_active;
    if (!active) {
        createNew();
        return;
    }
    const auto answer = UiServices::message(m_frame, QString(), MessageText(kMsgAllDataCleared),
        QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok)
        return;
    // The active document takes the new image as a change of its own, so Undo
    // brings the cleared data back.
    active->document()->clearToNew();
    active->updateTitle();
    showActive();
}

bool DocumentCommands::open(const QString &path)
{
    auto *document = new CProgramDoc;
    const DatResult result = document->OnOpenDocument(path);
    if (!result.ok()) {
        delete document;
        UiServices::message(m_frame, QString(), result.message, QMessageBox::Warning);
        return false;
    }
    document->setTitle(QFileInfo(path).fileName());
    if (CChildFrame *previous = m_active)
        previous->close();
    adopt(new CChildFrame(document));
    return true;
}

bool DocumentCommands::openCopy(const QString &path)
{
    MemoryImage raw {};
    const DatResult result = LoadDatFile(path, raw);
    if (!result.ok()) {
        UiServices::message(m_frame, QString(), result.message, QMessageBox::Warning);
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
    const DatResult result = child->document()->OnSaveDocument(path);
    if (!result.ok()) {
        UiServices::message(m_frame, QString(), result.message, QMessageBox::Warning);
        return false;
    }
    child->document()->setTitle(QFileInfo(path).fileName());
    child->updateTitle();
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

bool DocumentCommands::confirmUnsavedEdits()
{
    const auto windows = children();
    for (CChildFrame *child : windows) {
        child->document()->CommitPendingEdits();
        if (!child->document()->IsModified())
            continue;
        const QString text
            = tr("The document \"%1\" has changes that were not saved.\nSave them now?")
                  .arg(child->document()->title());
        const auto answer = UiServices::message(m_frame, QString(), text, QMessageBox::Question,
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel)
            return false;
        if (answer == QMessageBox::Save && !save(child))
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
    if (m_active)
        m_active->close();
}

void DocumentCommands::fileSave()
{
    save(m_active);
}

void DocumentCommands::fileSaveAs()
{
    saveAs(m_active);
}

void DocumentCommands::showActive()
{
    if (CChildFrame *child = m_active) {
        child->showNormal();
        m_client->setActiveSubWindow(child);
        child->setFocus();
    }
}
