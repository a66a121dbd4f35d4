#include "dialogview/optionfeaturesdlg.h"

#include "dialogview/transferguard.h"
#include "document/programdoc.h"
#include "settings/language.h"
#include "uiservices/dialoghelp.h"
#include "uiservices/radionamevalidator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// One drop-down list of the dialog: its control number, label, items, the
// field of OptionFeatures it shows and its place (column 0 left, 1 right).
struct ListControl
{
    int id;
    const char *english;
    const char *chinese;
    FeatureList list;
    int OptionFeatures::*field;
    int column;
    int row;
};

const ListControl kLists[] = {
    {1119, "LED", "LED", FeatureList::Led, &OptionFeatures::led, 0, 0},
    {1120, "Battery Saver", "电池省电", FeatureList::BatterySaver, &OptionFeatures::batterySaver, 0,
        1},
    {1121, "Keypad Lock", "键盘锁定", FeatureList::KeypadLock, &OptionFeatures::keypadLock, 0, 2},
    {1118, "Time-Out Timer", "超时定时器", FeatureList::TimeOutTimer, &OptionFeatures::timeOutTimer,
        0, 3},
    {1122, "Voice Sensitivity", "声控灵敏度", FeatureList::VoiceSensitivity,
        &OptionFeatures::voiceSensitivity, 0, 4},
    {1123, "Priority Scan", "优先扫描", FeatureList::PriorityScan, &OptionFeatures::priorityScan, 0,
        5},
    {1124, "Channel Display", "信道显示", FeatureList::ChannelDisplay,
        &OptionFeatures::channelDisplay, 0, 6},
    {1125, "Pri-Scanning Time", "预扫描时间", FeatureList::PriScanTime,
        &OptionFeatures::priScanTime, 0, 7},
    {1117, "Step", "步长", FeatureList::Step, &OptionFeatures::step, 1, 0},
    {1130, "Call Tone", "呼叫铃音", FeatureList::CallTone, &OptionFeatures::callTone, 1, 1},
    {1116, "Squelch Level", "静噪电平", FeatureList::SquelchLevel, &OptionFeatures::squelchLevel, 1,
        2},
    {1129, "Encoder", "编码器", FeatureList::Encoder, &OptionFeatures::encoder, 1, 3},
    {1128, "Mode", "模式", FeatureList::Mode, &OptionFeatures::mode, 1, 4},
    {1127, "Busy", "繁忙", FeatureList::Busy, &OptionFeatures::busy, 1, 5},
    {1126, "Scan Mode", "扫描模式", FeatureList::ScanMode, &OptionFeatures::scanMode, 1, 6},
};

// The two squelch-adjust levels: built like the others but kept out of sight.
const ListControl kSqlAdjustLists[] = {
    {1131, "V SQL Adjust", "V静噪调节", FeatureList::SqlAdjust, &OptionFeatures::vSqlAdjust, 0, 0},
    {1132, "U SQL Adjust", "U静噪调节", FeatureList::SqlAdjust, &OptionFeatures::uSqlAdjust, 0, 1},
};

constexpr int kPowerOnNameId = 1002;
constexpr int kBeepId = 1016;

QString Text(const ListControl &c)
{
    return LangText(c.english, c.chinese);
}

} // namespace

COptionFeaturesDlg::COptionFeaturesDlg(CProgramDoc *document, QWidget *parent)
    : QDialog(parent)
    , m_document(document)
{
    setWindowTitle(LangText("Option Features", "可选功能"));
    buildControls();
    setFeatures(DecodeFeatures(m_document->image()));
    DialogHelp::InstallF1(this);
}

QComboBox *COptionFeaturesDlg::addList(int id, FeatureList list, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->addItems(FeatureListItems(list, g_bChinese));
    combo->setObjectName(QStringLiteral("list%1").arg(id));
    DialogHelp::SetHelpId(combo, id);
    m_lists.insert(id, combo);
    return combo;
}

QHBoxLayout *COptionFeaturesDlg::buildButtonRow()
{
    auto *ok = new QPushButton(LangText("OK", "确定"), this);
    auto *cancel = new QPushButton(LangText("Cancel", "取消"), this);
    ok->setDefault(true);
    DialogHelp::SetHelpId(ok, 1);
    DialogHelp::SetHelpId(cancel, 2);
    m_beep = new QCheckBox(LangText("Beep", "提示音"), this);
    m_beep->setObjectName(QStringLiteral("check%1").arg(kBeepId));
    DialogHelp::SetHelpId(m_beep, kBeepId);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    TransferGuard::Guard(ok, m_document);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addStretch();
    buttons->addWidget(m_beep);
    buttons->addStretch();
    buttons->addWidget(cancel);

    return buttons;
}

void COptionFeaturesDlg::buildControls()
{
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setColumnMinimumWidth(2, 24);
    for (const ListControl &c : kLists) {
        QComboBox *combo = addList(c.id, c.list, this);
        auto *label = new QLabel(Text(c), this);
        label->setBuddy(combo);
        grid->addWidget(label, c.row, c.column * 3);
        grid->addWidget(combo, c.row, c.column * 3 + 1);
    }

    m_powerOnName = new QLineEdit(this);
    m_powerOnName->setMaxLength(ImageMap::kPowerOnNameLength);
    // Only what the radio can show: a character outside its set would end the name.
    m_powerOnName->setValidator(
        new RadioNameValidator(ImageMap::kPowerOnNameLength, m_powerOnName));
    m_powerOnName->setObjectName(QStringLiteral("edit%1").arg(kPowerOnNameId));
    DialogHelp::SetHelpId(m_powerOnName, kPowerOnNameId);
    grid->addWidget(new QLabel(LangText("Power-on Name", "开机名称"), this), 8, 0);
    grid->addWidget(m_powerOnName, 8, 1);

    // The squelch-adjust rows exist so that OK stores their levels, but the
    // dialog is cut off above them: the user never sees them.
    m_sqlAdjustRows = new QWidget(this);
    auto *sqlGrid = new QGridLayout(m_sqlAdjustRows);
    for (const ListControl &c : kSqlAdjustLists) {
        QComboBox *combo = addList(c.id, c.list, m_sqlAdjustRows);
        sqlGrid->addWidget(new QLabel(Text(c), m_sqlAdjustRows), c.row, 0);
        sqlGrid->addWidget(combo, c.row, 1);
    }
    m_sqlAdjustRows->hide();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buildButtonRow());
    layout->addWidget(m_sqlAdjustRows);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget *COptionFeaturesDlg::control(int id) const
{
    const auto children = findChildren<QWidget *>();
    for (QWidget *w : children) {
        if (w->property("helpId").toInt() == id)
            return w;
    }
    return nullptr;
}

void COptionFeaturesDlg::setFeatures(const OptionFeatures &features)
{
    for (const ListControl &c : kLists)
        m_lists.value(c.id)->setCurrentIndex(features.*c.field);
    for (const ListControl &c : kSqlAdjustLists)
        m_lists.value(c.id)->setCurrentIndex(features.*c.field);
    m_powerOnName->setText(features.powerOnName);
    m_beep->setChecked(features.beep);
}

OptionFeatures COptionFeaturesDlg::features() const
{
    OptionFeatures features;
    for (const ListControl &c : kLists)
        features.*c.field = m_lists.value(c.id)->currentIndex();
    for (const ListControl &c : kSqlAdjustLists)
        features.*c.field = m_lists.value(c.id)->currentIndex();
    features.powerOnName = m_powerOnName->text();
    features.beep = m_beep->isChecked();
    return features;
}

void COptionFeaturesDlg::accept()
{
    MemoryImage updated = m_document->image();
    EncodeFeatures(updated, features());
    m_document->changeBytes(updated, LangText("Change Optional Features", "修改可选功能"));
    QDialog::accept();
}
