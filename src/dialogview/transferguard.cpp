#include "dialogview/transferguard.h"

#include "dialogview/dialogcommands.h"
#include "dialogview/processdlg.h"
#include "document/programdoc.h"
#include "settings/language.h"

#include <QAbstractButton>
#include <QPointer>

namespace TransferGuard {
namespace {

class ButtonGuard : public QObject
{
public:
    ButtonGuard(QAbstractButton *button, CProgramDoc *document, bool usesPort)
        : QObject(button)
        , m_button(button)
        , m_document(document)
        , m_usesPort(usesPort)
    {
        m_tip = button->toolTip();
        if (document) {
            connect(document, &CProgramDoc::receivingChanged, this, &ButtonGuard::update);
            connect(document, &CProgramDoc::stateReset, this, [this] {
                m_stale = m_stale || m_receivingSeen;
                update();
            });
        }
        if (CProcessDlg *transfer = DialogCommands::TransferDialog())
            connect(transfer, &QObject::destroyed, this, &ButtonGuard::update);
        update();
    }

private:
    void update()
    {
        const bool receiving = m_document && m_document->isReceiving();
        m_receivingSeen = m_receivingSeen || receiving;
        const bool portBusy = m_usesPort && DialogCommands::TransferDialogOpen();
        const bool usable = !receiving && !m_stale && !portBusy;
        m_button->setEnabled(usable);
        if (usable)
            m_button->setToolTip(m_tip);
        else if (m_stale)
            m_button->setToolTip(LangText(
                "The data was read anew from the radio: close this window and open it again.",
                "数据已从对讲机重新读入：请关闭此窗口后重新打开。"));
        else
            m_button->setToolTip(LangText("Not available while data is transferred with the radio.",
                "与对讲机传输数据时不可用。"));
    }

    QAbstractButton *m_button;
    QPointer<CProgramDoc> m_document;
    const bool m_usesPort;
    bool m_receivingSeen = false;
    bool m_stale = false;
    QString m_tip;
};

} // namespace

void Guard(QAbstractButton *button, CProgramDoc *document, bool usesPort)
{
    new ButtonGuard(button, document, usesPort);
}

} // namespace TransferGuard
