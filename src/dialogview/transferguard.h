// Keeps a settings dialog's buttons out of use while a whole-image transfer
// could undo what they do: OK would change a document that a running read is
// about to replace, and the squelch dialog's own Read and Write would use the
// port that the transfer holds.
#pragma once

class CProgramDoc;
class QAbstractButton;

namespace TransferGuard {

// button is disabled while document is receiving a read, and for good once a
// read replaced the document's state behind the open dialog: the values the
// dialog shows are then no longer the document's. With usesPort it is also
// disabled while any transfer dialog exists.
void Guard(QAbstractButton *button, CProgramDoc *document, bool usesPort = false);

} // namespace TransferGuard
