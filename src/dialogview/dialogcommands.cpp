#include "dialogview/dialogcommands.h"

#include "backups/backupstore.h"
#include "dialogview/comsetupdlg.h"
#include "dialogview/fleetwritedlg.h"
#include "dialogview/optionfeaturesdlg.h"
#include "dialogview/processdlg.h"
#include "dialogview/productinfodlg.h"
#include "dialogview/sqladjustdlg.h"
#include "dialogview/writepreviewdlg.h"
#include "document/programdoc.h"
#include "link/comport.h"
#include "link/verifiedwrite.h"
#include "settings/inifile.h"
#include "settings/language.h"
#include "settings/usersettings.h"

#include <QMainWindow>
#include <QPointer>
#include <QStatusBar>

namespace DialogCommands {
namespace {

// One transfer dialog at a time for the whole program: every transfer opens the
// same port, so a second one could only collide with the first.
QPointer<CProcessDlg> s_transfer;

CProcessDlg *OpenTransfer(QWidget *parent, CProgramDoc *document, CProcessDlg::Direction direction)
{
    if (s_transfer || !document)
        return nullptr;
    auto *dialog = new CProcessDlg(document, direction, parent ? parent->window() : nullptr);
    s_transfer = dialog;
    dialog->adjustSize();
    if (parent)
        dialog->move(parent->window()->frameGeometry().center() - dialog->rect().center());
    dialog->show();
    // The keyboard goes to the dialog, so Enter starts the transfer at once.
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

// Shows what the write changes against the newest image read from a radio and
// asks to go ahead. Without such an image the write goes ahead as it always did,
// and the main window's status bar says why nothing was shown.
bool ConfirmWrite(QWidget *parent, const CProgramDoc &document)
{
    if (!UserSettings::ShowWritePreview())
        return true;
    BackupEntry read;
    MemoryImage radio {};
    if (!BackupStore().newest(BackupKind::Radio, &read, &radio)) {
        if (auto *frame = qobject_cast<QMainWindow *>(parent ? parent->window() : nullptr)) {
            frame->statusBar()->showMessage(
                LangText("No image read from a radio to compare with: the write is not previewed.",
                    "没有从对讲机读出的数据可供比较：写入前不显示预览。"));
        }
        return true;
    }
    // What the radio will hold: the bytes a write does not send stay the radio's.
    const ImageDiff diff
        = DiffImages(radio, WithWrittenBytes(radio, document.image()), g_bChinese, g_iniFile);
    CWritePreviewDlg preview(diff, read.time, parent ? parent->window() : nullptr);
    return preview.exec() == QDialog::Accepted;
}

} // namespace

CProcessDlg *ReadFromRadio(QWidget *parent, CProgramDoc *document)
{
    return OpenTransfer(parent, document, CProcessDlg::Direction::Read);
}

CProcessDlg *WriteToRadio(QWidget *parent, CProgramDoc *document)
{
    if (s_transfer || !document || !ConfirmWrite(parent, *document))
        return nullptr;
    return OpenTransfer(parent, document, CProcessDlg::Direction::Write);
}

void WriteToSeveralRadios(QWidget *parent, const CProgramDoc *document)
{
    if (s_transfer || !document)
        return;
    CFleetWriteDlg dialog(document->image(), parent ? parent->window() : nullptr);
    dialog.exec();
}

bool TransferDialogOpen()
{
    return !s_transfer.isNull();
}

CProcessDlg *TransferDialog()
{
    return s_transfer.data();
}

void ComSetup(QWidget *parent)
{
    CComSetupDlg dialog(ListPorts(), parent);
    dialog.exec();
}

void OptionFeatures(QWidget *parent, CProgramDoc *document)
{
    if (!document)
        return;
    COptionFeaturesDlg dialog(document, parent);
    dialog.exec();
}

void ProductInformation(QWidget *parent, CProgramDoc *document)
{
    if (!document)
        return;
    CProductInfoDlg dialog(document, parent);
    dialog.exec();
}

void SqlAdjust(QWidget *parent, CProgramDoc *document)
{
    if (!document)
        return;
    CSqlAdjustDlg dialog(document, parent);
    dialog.exec();
}

} // namespace DialogCommands
