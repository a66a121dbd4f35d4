#include "csv/communitytones.h"

#include "channels/decimal.h"
#include "channels/textnumbers.h"
#include "csv/channelfields.h"
#include "settings/visibletext.h"

#include <cmath>

namespace {

enum class Kind { None, Ctcss, Dcs };

Kind KindOf(const QString &tone)
{
    if (tone.isEmpty() || tone == QLatin1String("None") || tone == QString::fromUtf8("无"))
        return Kind::None;
    return tone.startsWith(QLatin1Char('D')) ? Kind::Dcs : Kind::Ctcss;
}

// The digits between "D" and the polarity letter.
QString DcsCode(const QString &tone)
{
    return tone.mid(1, tone.size() - 2);
}

QChar DcsPolarity(const QString &tone)
{
    return tone.endsWith(QLatin1Char('N')) ? QLatin1Char('N') : QLatin1Char('R');
}

QString KindName(Kind kind)
{
    switch (kind) {
    case Kind::Ctcss:
        return QStringLiteral("Tone");
    case Kind::Dcs:
        return QStringLiteral("DTCS");
    case Kind::None:
        break;
    }
    return QString();
}

// "D" + the code's digits (short codes such as "23" padded to three) + N or I.
Status DcsText(const QString &code, QChar polarity, QString *text)
{
    const QString digits = code.trimmed();
    bool allDigits = !digits.isEmpty() && digits.size() <= 4;
    for (QChar c : digits)
        allDigits = allDigits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (!allDigits) {
        return CsvRefusal(QT_TRANSLATE_NOOP("ChannelCsv", "DTCS code %1 is not a three-digit code"))
            .arg(QuotedInput(digits));
    }
    const QChar p = polarity.toUpper();
    if (p != QLatin1Char('N') && p != QLatin1Char('R')) {
        return CsvRefusal(QT_TRANSLATE_NOOP("ChannelCsv", "DTCS polarity %1 is not N or R"))
            .arg(QuotedInput(QString(polarity)));
    }
    *text = QLatin1Char('D') + digits.rightJustified(3, QLatin1Char('0'))
        + (p == QLatin1Char('N') ? QLatin1Char('N') : QLatin1Char('I'));
    return Status();
}

// "88.5" from "88.5", "88.50" or "88"; a text that is not wholly a number of
// whole tenths of a hertz is refused rather than rounded to another tone.
Status CtcssText(const char *column, const QString &text, QString *tone)
{
    const QString hz = text.trimmed();
    const double tenths = IsPlainDecimal(hz) ? DecimalMultiply(LeadingNumber(hz), 10) : -1;
    if (!(tenths > 0 && tenths < 100000 && tenths == std::trunc(tenths))) {
        return CsvRefusal(QT_TRANSLATE_NOOP("ChannelCsv",
                              "%1 %2 is not a tone in Hz with at most one decimal (as 88.5)"))
            .arg(QString::fromLatin1(column))
            .arg(QuotedInput(hz));
    }
    const qint64 count = qint64(tenths);
    *tone = QString::number(count / 10) + QLatin1Char('.') + QString::number(count % 10);
    return Status();
}

} // namespace

CommunityTones TonesToCommunity(const QString &rxTone, const QString &txTone)
{
    CommunityTones c;
    const Kind rx = KindOf(rxTone);
    const Kind tx = KindOf(txTone);
    if (rx == Kind::None && tx == Kind::None)
        return c;
    if (tx == Kind::Ctcss && (rx == Kind::None || rxTone == txTone)) {
        c.mode = rx == Kind::None ? QStringLiteral("Tone") : QStringLiteral("TSQL");
        c.rToneFreq = txTone;
        c.cToneFreq = txTone;
        return c;
    }
    QString polarity = QStringLiteral("NN");
    if (tx == Kind::Dcs)
        polarity[0] = DcsPolarity(txTone);
    if (rx == Kind::Dcs)
        polarity[1] = DcsPolarity(rxTone);
    c.dtcsPolarity = polarity;
    if (tx == Kind::Dcs && rx == Kind::Dcs && DcsCode(rxTone) == DcsCode(txTone)) {
        c.mode = QStringLiteral("DTCS");
        c.dtcsCode = DcsCode(txTone);
        c.rxDtcsCode = c.dtcsCode;
        return c;
    }
    c.mode = QStringLiteral("Cross");
    c.crossMode = KindName(tx) + QStringLiteral("->") + KindName(rx);
    if (tx == Kind::Ctcss)
        c.rToneFreq = txTone;
    else if (tx == Kind::Dcs)
        c.dtcsCode = DcsCode(txTone);
    if (rx == Kind::Ctcss)
        c.cToneFreq = rxTone;
    else if (rx == Kind::Dcs)
        c.rxDtcsCode = DcsCode(rxTone);
    return c;
}

Status CommunityToTones(const CommunityTones &c, QString *rxTone, QString *txTone)
{
    const QString none = QStringLiteral("None");
    const QString pol
        = c.dtcsPolarity.trimmed().isEmpty() ? QStringLiteral("NN") : c.dtcsPolarity.trimmed();
    if (pol.size() != 2) {
        return CsvRefusal(QT_TRANSLATE_NOOP("ChannelCsv", "DtcsPolarity %1 is not two letters"))
            .arg(QuotedInput(pol));
    }
    *rxTone = none;
    *txTone = none;
    const QString mode = c.mode.trimmed().toLower();
    if (mode.isEmpty())
        return Status();
    if (mode == QLatin1String("tone"))
        return CtcssText("rToneFreq", c.rToneFreq, txTone);
    if (mode == QLatin1String("tsql")) {
        const Status read = CtcssText("cToneFreq", c.cToneFreq, txTone);
        if (read.ok())
            *rxTone = *txTone;
        return read;
    }
    if (mode == QLatin1String("dtcs")) {
        const Status tx = DcsText(c.dtcsCode, pol[0], txTone);
        return tx.ok() ? DcsText(c.dtcsCode, pol[1], rxTone) : tx;
    }
    if (mode != QLatin1String("cross")) {
        return CsvRefusal(
            QT_TRANSLATE_NOOP("ChannelCsv", "tone mode %1 is not one of Tone, TSQL, DTCS, Cross"))
            .arg(QuotedInput(c.mode.trimmed()));
    }
    const QString cross
        = c.crossMode.trimmed().isEmpty() ? QStringLiteral("Tone->Tone") : c.crossMode.trimmed();
    const qsizetype arrow = cross.indexOf(QLatin1String("->"));
    const QString txKind = cross.left(arrow).toLower();
    const QString rxKind = arrow < 0 ? QString() : cross.mid(arrow + 2).toLower();
    const auto side = [](const QString &kind) {
        return kind.isEmpty() || kind == QLatin1String("tone") || kind == QLatin1String("dtcs");
    };
    if (arrow < 0 || !side(txKind) || !side(rxKind)) {
        return CsvRefusal(QT_TRANSLATE_NOOP("ChannelCsv", "CrossMode %1 is not understood"))
            .arg(QuotedInput(cross));
    }
    Status read;
    if (txKind == QLatin1String("tone"))
        read = CtcssText("rToneFreq", c.rToneFreq, txTone);
    else if (txKind == QLatin1String("dtcs"))
        read = DcsText(c.dtcsCode, pol[0], txTone);
    if (read.ok() && rxKind == QLatin1String("tone"))
        read = CtcssText("cToneFreq", c.cToneFreq, rxTone);
    else if (read.ok() && rxKind == QLatin1String("dtcs"))
        read = DcsText(c.rxDtcsCode, pol[1], rxTone);
    return read;
}
