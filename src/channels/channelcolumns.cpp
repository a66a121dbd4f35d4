#include "channels/channelcolumns.h"

#include "channels/tonetable.h"
#include "settings/language.h"

namespace {

const TextPair kNoLabel {nullptr, nullptr};

const ChannelColumnInfo kColumns[kChannelColumns] = {
    {{"Rx Frequency", "接收频率"}, "rx", EditorKind::Frequency, {}, 1.1, 2127,
        {"Receive Frequency:", "接收频率:"}},
    {{"Tx Frequency", "发射频率"}, "tx", EditorKind::Frequency, {}, 1.1, 2128,
        {"Transceive Frequency:", "发射频率:"}},
    {{"Rx Tone", "接收信令"}, "rx_tone", EditorKind::Tone, {}, 1.0, 2132,
        {"QT/DQT Decode:", "QT/DQT解码:"}},
    {{"Tx Tone", "发射信令"}, "tx_tone", EditorKind::Tone, {}, 1.0, 2133,
        {"QT/DQT Encode:", "QT/DQT编码:"}},
    {{"Power", "功率"}, "power", EditorKind::Choice,
        {{"High", "高"}, {"Middle", "中"}, {"Low", "低"}}, 0.9, 1129, {"Power:", "功率:"}},
    {{"Cha Lock", "信道锁定"}, "lock", EditorKind::Choice, {{"Lock", "锁定"}, {"Unlock", "未锁定"}},
        0.9, 1127, {"Channel Lock:", "信道锁定:"}},
    {{"Scan Add", "扫描添加"}, "scan", EditorKind::Choice, {{"Yes", "有"}, {"No", "无"}}, 0.9, 1134,
        kNoLabel},
    {{"Bandwidth", "带宽"}, "bandwidth", EditorKind::Choice, {{"Wide", "宽"}, {"Narrow", "窄"}},
        0.9, 1135, kNoLabel},
    {{"Cha Name", "信道名字"}, "name", EditorKind::Name, {}, 1.1, 1126,
        {"Channel Name:", "信道名字:"}},
};

const TextPair kLabelHeader {"CH", "信道"};

} // namespace

QString TextPair::text(bool inChinese) const
{
    return english ? PickText(inChinese, english, chinese) : QString();
}

const ChannelColumnInfo &ChannelColumnAt(int column)
{
    return kColumns[column >= 0 && column < kChannelColumns ? column : kColRx];
}

QString ColumnHeader(int column, bool chinese)
{
    if (column < 0 || column >= kChannelColumns)
        return kLabelHeader.text(chinese);
    return kColumns[column].header.text(chinese);
}

QString ColumnCsvHeading(int column)
{
    return ColumnHeader(column, false);
}

bool IsPickListColumn(int column)
{
    if (column < 0 || column >= kChannelColumns)
        return false;
    const EditorKind kind = kColumns[column].editor;
    return kind == EditorKind::Tone || kind == EditorKind::Choice;
}

QStringList ColumnChoices(int column, bool chinese)
{
    if (!IsPickListColumn(column))
        return QStringList();
    if (kColumns[column].editor == EditorKind::Tone) {
        static const ToneTable english(false);
        static const ToneTable chineseTable(true);
        return chinese ? chineseTable.texts() : english.texts();
    }
    QStringList list;
    for (const TextPair &choice : kColumns[column].choices)
        list << choice.text(chinese);
    return list;
}
