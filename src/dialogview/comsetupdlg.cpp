#include "dialogview/comsetupdlg.h"

#include "link/comport.h"
#include "settings/language.h"
#include "settings/usersettings.h"
#include "uiservices/dialogfit.h"
#include "uiservices/dialoghelp.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int kComSetupHelp = 32777;
constexpr int kFirstChoiceId = 1007;
const char kPortProperty[] = "port";
} // namespace

CComSetupDlg::CComSetupDlg(const QList<PortEntry> &ports, QWidget *parent)
    : QDialog(parent)
    , m_lister(ListPorts)
{
    setWindowTitle(LangText("COM Setup", "串口设置"));
    m_group = new QButtonGroup(this);
    auto *box = new QGroupBox(LangText("COM", "串口"), this);
    m_choicesLayout = new QVBoxLayout(box);

    for (const PortEntry &entry : ports) {
        QString text = entry.name;
        if (!entry.description.isEmpty())
            text += QStringLiteral("  (") + entry.description + QLatin1Char(')');
        QRadioButton *choice = addChoice(text, entry.name, !entry.busy);
        if (entry.busy) {
            choice->setToolTip(LangText("In use by another program, or not yours to open. ",
                                   "正被其他程序占用，或您无权打开。")
                + PortAccessHint(entry.name));
        }
    }
    if (ports.isEmpty()) {
        m_choicesLayout->addWidget(
            new QLabel(LangText("No serial ports found.", "未找到串口。"), box));
    }
    addChoice(LangText("Simulated radio (sim)", "模拟对讲机 (sim)"), SimulatedPortName(), true);

    m_typed = new QRadioButton(LangText("Device path:", "设备路径:"), box);
    m_group->addButton(m_typed, kFirstChoiceId + m_group->buttons().size());
    DialogHelp::SetHelpId(m_typed, m_group->id(m_typed));
    m_path = new QLineEdit(box);
    m_path->setPlaceholderText(QStringLiteral("/dev/ttyUSB0"));
    m_path->setMinimumWidth(180);
    connect(m_path, &QLineEdit::textEdited, m_typed, [this] { m_typed->setChecked(true); });
    auto *typedRow = new QHBoxLayout;
    typedRow->addWidget(m_typed);
    typedRow->addWidget(m_path, 1);
    m_choicesLayout->addLayout(typedRow);
    m_findCable = new QPushButton(LangText("Find My Cable...", "查找写频线..."), box);
    connect(m_findCable, &QPushButton::clicked, this, &CComSetupDlg::findCable);
    auto *findRow = new QHBoxLayout;
    findRow->addWidget(m_findCable);
    findRow->addStretch(1);
    m_choicesLayout->addLayout(findRow);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(LangText("OK", "确定"), QDialogButtonBox::AcceptRole);
    QPushButton *cancel
        = buttons->addButton(LangText("Cancel", "取消"), QDialogButtonBox::RejectRole);
    DialogHelp::SetHelpId(ok, 1);
    DialogHelp::SetHelpId(cancel, 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // A machine with many ports lists them in a scroll area, so that OK stays
    // on a small screen.
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(DialogFit::scrolled(box, this));
    layout->addWidget(buttons);

    preselect(UserSettings::ComPort().isEmpty() ? DefaultPortName() : StoredComPort());
    DialogHelp::InstallF1(this, kComSetupHelp);
}

QRadioButton *CComSetupDlg::addChoice(const QString &text, const QString &port, bool enabled)
{
    auto *choice = new QRadioButton(text, m_choicesLayout->parentWidget());
    choice->setProperty(kPortProperty, port);
    choice->setEnabled(enabled);
    m_group->addButton(choice, kFirstChoiceId + m_group->buttons().size());
    DialogHelp::SetHelpId(choice, m_group->id(choice));
    m_choicesLayout->addWidget(choice);
    return choice;
}

// The stored port is selected only when it can be opened now; otherwise
// nothing is, as a port that fails would fail the next transfer too.
void CComSetupDlg::preselect(const QString &stored)
{
    for (QAbstractButton *choice : m_group->buttons()) {
        if (choice != m_typed && choice->property(kPortProperty).toString() == stored) {
            choice->setChecked(choice->isEnabled());
            return;
        }
    }
    if (!stored.isEmpty() && ProbePort(stored)) {
        m_path->setText(stored);
        m_typed->setChecked(true);
    }
}

void CComSetupDlg::findCable()
{
    CFindCableDlg dialog(m_lister, m_findTimeoutMs, this);
    if (dialog.exec() == QDialog::Accepted)
        select(dialog.foundPort());
}

// A listed port is checked; one that appeared since the list was made becomes
// the typed path.
void CComSetupDlg::select(const QString &port)
{
    for (QAbstractButton *choice : m_group->buttons()) {
        if (choice != m_typed && choice->property(kPortProperty).toString() == port) {
            choice->setEnabled(true);
            choice->setChecked(true);
            return;
        }
    }
    m_path->setText(port);
    m_typed->setChecked(true);
}

QList<QRadioButton *> CComSetupDlg::choices() const
{
    QList<QRadioButton *> list;
    for (QAbstractButton *b : m_group->buttons())
        list << static_cast<QRadioButton *>(b);
    return list;
}

QString CComSetupDlg::chosenPort() const
{
    const QAbstractButton *checked = m_group->checkedButton();
    if (!checked)
        return QString();
    if (checked == m_typed) {
        const QString typed = m_path->text().trimmed();
        return typed.isEmpty() ? QString() : DevicePath(typed);
    }
    return checked->property(kPortProperty).toString();
}

void CComSetupDlg::accept()
{
    g_strComPort = chosenPort();
    UserSettings::SetComPort(g_strComPort);
    QDialog::accept();
}
