// The commands of the main frame and the view that open a settings dialog or a
// radio transfer. Each works on the given document (the active one); the frame
// enables them only while a document is active.
#pragma once

class QWidget;
class CProgramDoc;
class CProcessDlg;

namespace DialogCommands {

// Program > Read / Write: the modeless progress dialog for the document, centred
// on parent's window, or nullptr while a transfer dialog already exists (one
// port, one transfer). The caller has what is still typed committed first.
// Write first shows what it changes against the newest image read from a radio
// (unless the user chose not to see it) and returns nullptr when it is cancelled.
CProcessDlg *ReadFromRadio(QWidget *parent, CProgramDoc *document);
CProcessDlg *WriteToRadio(QWidget *parent, CProgramDoc *document);
// Program > Write to Several Radios...: the document's image to one radio after
// another, in a modal window; nothing while a transfer dialog exists.
void WriteToSeveralRadios(QWidget *parent, const CProgramDoc *document);
// True while a transfer dialog exists (armed or running).
bool TransferDialogOpen();
// The transfer dialog that exists now, or nullptr.
CProcessDlg *TransferDialog();

// Setup > Com Setup.
void ComSetup(QWidget *parent);

// Modal settings dialogs on the document's image; their OK is one command on
// the document when it changed a byte.
void OptionFeatures(QWidget *parent, CProgramDoc *document);
void ProductInformation(QWidget *parent, CProgramDoc *document);
void SqlAdjust(QWidget *parent, CProgramDoc *document);

} // namespace DialogCommands
