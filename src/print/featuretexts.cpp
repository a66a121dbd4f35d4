#include "print/featuretexts.h"

#include "settings/language.h"

using namespace ImageMap;

namespace {

struct Words
{
    bool chinese;
    QString pick(const char *english, const char *chineseText) const
    {
        return PickText(chinese, english, chineseText);
    }
    QString off() const { return pick("Off", "关"); }
    QString on() const { return pick("On", "开"); }
    QString onIf(bool set) const { return set ? on() : off(); }
};

int Bits(quint8 byte, int shift, int mask)
{
    return (byte >> shift) & mask;
}

QString TimeOutTimer(int value, const Words &w)
{
    static const char *const texts[] = {nullptr, "1", "3", "10"};
    return value == 0 ? w.off() : QString::fromLatin1(texts[value]);
}

QString CallTone(int value, const Words &w)
{
    if (value == 0)
        return w.off();
    return value == 9 ? QStringLiteral("1750") : QString::number(value);
}

QString PriScanTime(int value)
{
    static const char *const texts[] = {"3s", "5s", "8s", "10s"};
    return QString::fromLatin1(texts[value]);
}

QString ScanMode(int value)
{
    static const char *const texts[] = {"SE", "CO", "TO", "TO"};
    return QString::fromLatin1(texts[value]);
}

QString Led(int value, const Words &w)
{
    if (value == 0)
        return w.off();
    return value == 1 ? w.pick("Auto", "自动") : w.on();
}

QString Mode(int value, const Words &w)
{
    if (value == 0)
        return w.pick("Channel", "信道");
    return value == 1 ? w.pick("Frequency", "频率") : w.pick("Memory", "存储");
}

QString Step(quint8 value)
{
    // The print-out's own names: value 2 prints as "6.5k", and every value past
    // the list prints as the last step.
    static const char *const texts[] = {"5k", "10k", "6.5k", "12.5k"};
    return QString::fromLatin1(value < 4 ? texts[value] : "25k");
}

QString BatterySaver(int value, const Words &w)
{
    return value == 0 ? w.off() : QString::asprintf("%1.1f", value * 0.2);
}

} // namespace

QVector<FeatureLine> FeatureLines(const MemoryImage &image, bool chinese)
{
    const Words w {chinese};
    const quint8 display = image[kDisplayBits];
    const quint8 scan = image[kScanBits];
    const auto line = [&w](const char *key, const char *english, const char *zh,
                          const QString &value, ImageBits bits) {
        return FeatureLine {QString::fromLatin1(key), w.pick(english, zh), value, bits};
    };

    return {
        line("Time Out Timer", "Time Out Timer:", "超时定时器:",
            TimeOutTimer(Bits(image[kTimeOutTimer], 0, 0x3), w), {kTimeOutTimer, 0x03}),
        line("Squelch Level", "Squelch Level:", "静噪电平:",
            QString::number(Bits(image[kSquelchLevel], 0, 0xF)), {kSquelchLevel, 0x0F}),
        line("Beep", "Beep:", "提示音:", w.onIf(Bits(image[kBeep], 0, 1)), {kBeep, 0x01}),
        line("Call Tone", "Call Tone:", "呼叫铃音:", CallTone(Bits(image[kCallTone], 0, 0xF), w),
            {kCallTone, 0x0F}),
        line("Channel Display", "Channel Display:", "信道显示:", w.onIf(!Bits(display, 7, 1)),
            {kDisplayBits, 0x80}),
        line("Priority Scan", "Priority Scan:", "优先扫描:", w.onIf(Bits(scan, 6, 1)),
            {kScanBits, 0x40}),
        line("Busy", "Busy", "繁忙:", w.onIf(!Bits(display, 6, 1)), {kDisplayBits, 0x40}),
        line("Pri-Scanning Time", "Pri-Scanning Time:", "预扫描时间:",
            PriScanTime(Bits(image[kPriScanTime], 0, 0x3)), {kPriScanTime, 0x03}),
        line("Scan Mode", "Scan Mode:", "扫描模式:", ScanMode(Bits(display, 4, 0x3)),
            {kDisplayBits, 0x30}),
        line("Keypad Lock", "Keypad Lock:", "键盘锁定:",
            Bits(display, 1, 1) ? w.pick("Auto", "自动") : w.pick("Manual", "手动"),
            {kDisplayBits, 0x02}),
        line("LED", "LED", "LED", Led(Bits(display, 2, 0x3), w), {kDisplayBits, 0x0C}),
        line("Mode", "Mode:", "模式:", Mode(Bits(scan, 0, 0x3), w), {kScanBits, 0x03}),
        line("Encoder", "Encoder", "编码器", w.onIf(Bits(scan, 5, 1)), {kScanBits, 0x20}),
        line("Voice Sensitivity", "Voice Sensitivity:", "声控灵敏度:",
            Bits(image[kVoiceSensitivity], 0, 0x1F) == 0
                ? w.off()
                : QString::number(Bits(image[kVoiceSensitivity], 0, 0x1F)),
            {kVoiceSensitivity, 0x1F}),
        line("Step", "Step:", "步长:", Step(image[kStep]), {kStep, 0xFF}),
        line("Battery Saver", "Battery Saver:", "电池省电:",
            BatterySaver(Bits(image[kBatterySaver], 0, 0x7), w), {kBatterySaver, 0x07}),
    };
}
