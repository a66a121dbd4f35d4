#include "dialogcommands.h"

#include "comport.h"
#include "comsetupdlg.h"
#include "optionfeaturesdlg.h"
#include "processdlg.h"
#include "productinfodlg.h"
#include "programview.h"
#include "sqladjustdlg.h"

#include <QPointer>

namespace DialogCommands {
namespace {

// One transfer dialog at a time for the whole program: every transfer opens the
// same port, so a second one could only collide with the first.
QPointer<CProcessDlg> s_transfer;

void OpenTransfer(CProgramView *view, CProcessDlg::Direction direction)
{
    if (s_transfer || !view || !view->GetDocument())
        return;
    if (direction == CProcessDlg::Direction::Write)
        view->CommitEditor();
    auto *dialog = new CProcessDlg(view, direction);
    s_transfer = dialog;
    dialog->adjustSize();
    const QRect owner = view->window()->frameGeometry();
    dialog->move(owner.center() - dialog->rect().center());
    dialog->show();
    // The keyboard goes to the dialog, so Enter starts the transfer at once.
    dialog->raise();
    dialog->activateWindow();
}

} // namespace

void ReadFromRadio(CProgramView *view)
{
    OpenTransfer(view, CProcessDlg::Direction::Read);
}

void WriteToRadio(CProgramView *view)
{
    OpenTransfer(view, CProcessDlg::Direction::Write);
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
