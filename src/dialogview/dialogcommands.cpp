#include "dialogview/dialogcommands.h"

#include "dialogview/comsetupdlg.h"
#include "dialogview/optionfeaturesdlg.h"
#include "dialogview/processdlg.h"
#include "dialogview/productinfodlg.h"
#include "dialogview/sqladjustdlg.h"
#include "document/programdoc.h"
#include "link/comport.h"

#include <QPointer>

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

} // namespace

CProcessDlg *ReadFromRadio(QWidget *parent, CProgramDoc *document)
{
    return OpenTransfer(parent, document, CProcessDlg::Direction::Read);
}

CProcessDlg *WriteToRadio(QWidget *parent, CProgramDoc *document)
{
    return OpenTransfer(parent, document, CProcessDlg::Direction::Write);
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
