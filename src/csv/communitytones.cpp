#include "communitytones.h"

#include "language.h"

namespace {

enum class Kind { None, Ctcss, Dcs };

Kind kindOf(const QString &tone)
{
    if (tone.isEmpty() || tone == QLatin1String("None") || tone == QString::fromUtf8("无"))
        return Kind::None;
    return tone.startsWith(QLatin1Char('D')) ? Kind::Dcs : Kind::Ctcss;
}

QString dcsCode(const QString &tone)
{
    return tone.mid(1, 3);
}

QChar dcsPolarity(const QString &tone)
{
    return tone.endsWith(QLatin1Char('N')) ? QLatin1Char('N') : QLatin1Char('R');
}

// "D" + three octal digits + N or I from a code such as "23" or "023".
bool dcsText(const QString &code, QChar polarity, QString *text, QString *error)
{
    const QString digits = code.trimmed();
    bool ok = false;
    digits.toInt(&ok, 10);
    if (!ok || digits.size() > 3 || digits.startsWith(QLatin1Char('-'))) {
        *error = LangText("DTCS code \"%1\" is not a three-digit code", "DTCS 码“%1”不是三位数字")
                     .arg(digits);
        return false;
    }
    const QChar p = polarity.toUpper();
    if (p != QLatin1Char('N') && p != QLatin1Char('R')) {
        *error = LangText("DTCS polarity \"%1\" is not N or R", "DTCS 极性“%1”不是 N 或 R")
                     .arg(polarity);
        return false;
    }
    *text = QLatin1Char('D') + digits.rightJustified(3, QLatin1Char('0'))
        + (p == QLatin1Char('N') ? QLatin1Char('N') : QLatin1Char('I'));
    return true;
}

// "88.5" from "88.5", "88.50" or "88.5 Hz"-free numbers; kept as typed when not numeric.
QString ctcssText(const QString &text)
{
    bool ok = false;
    const double hz = text.trimmed().toDouble(&ok);
    return ok ? QString::asprintf("%.1f", hz) : text.trimmed();
}

} // namespace

CommunityTones TonesToCommunity(const QString &rxTone, const QString &txTone)
{
    CommunityTones c;
    const Kind rx = kindOf(rxTone);
    const Kind tx = kindOf(txTone);
    if (rx == Kind::None && tx == Kind::None)
        return c;
    if (tx == Kind::Ctcss && (rx == Kind::None || rxTone == txTone)) {
        c.mode = rx == Kind::None ? QStringLiteral("Tone") : QStringLiteral("TSQL");
        c.rToneFreq = txTone;
        c.cToneFreq = txTone;
        return c;
    }
    if (tx == Kind::Dcs && rx == Kind::Dcs && dcsCode(rxTone) == dcsCode(txTone)) {
        c.mode = QStringLiteral("DTCS");
        c.dtcsCode = dcsCode(txTone);
        c.rxDtcsCode = c.dtcsCode;
        c.dtcsPolarity = QString(dcsPolarity(txTone)) + dcsPolarity(rxTone);
        return c;
    }
    // Other pairs need the cross-mode columns; keep the transmit tone where it
    // fits and name the exact pair in the comment.
    if (tx == Kind::Ctcss) {
        c.mode = QStringLiteral("Tone");
        c.rToneFreq = txTone;
    }
    c.comment = QStringLiteral("Rx Tone %1, Tx Tone %2")
                    .arg(rx == Kind::None ? QStringLiteral("None") : rxTone,
                        tx == Kind::None ? QStringLiteral("None") : txTone);
    return c;
}

bool CommunityToTones(const CommunityTones &c, QString *rxTone, QString *txTone, QString *error)
{
    const QString none = QStringLiteral("None");
    const QString pol
        = c.dtcsPolarity.trimmed().isEmpty() ? QStringLiteral("NN") : c.dtcsPolarity.trimmed();
    if (pol.size() != 2) {
        *error = LangText("DtcsPolarity \"%1\" is not two letters", "DtcsPolarity“%1”不是两个字母")
                     .arg(pol);
        return false;
    }
    *rxTone = none;
    *txTone = none;
    const QString mode = c.mode.trimmed().toLower();
    if (mode.isEmpty())
        return true;
    if (mode == QLatin1String("tone")) {
        *txTone = ctcssText(c.rToneFreq);
        return true;
    }
    if (mode == QLatin1String("tsql")) {
        *txTone = ctcssText(c.cToneFreq);
        *rxTone = *txTone;
        return true;
    }
    if (mode == QLatin1String("dtcs")) {
        return dcsText(c.dtcsCode, pol[0], txTone, error)
            && dcsText(c.dtcsCode, pol[1], rxTone, error);
    }
    if (mode != QLatin1String("cross")) {
        *error = LangText("tone mode \"%1\" is not one of Tone, TSQL, DTCS, Cross",
            "信令方式“%1”不是 Tone、TSQL、DTCS、Cross 之一")
                     .arg(c.mode.trimmed());
        return false;
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
        *error
            = LangText("CrossMode \"%1\" is not understood", "无法识别 CrossMode“%1”").arg(cross);
        return false;
    }
    if (txKind == QLatin1String("tone"))
        *txTone = ctcssText(c.rToneFreq);
    else if (txKind == QLatin1String("dtcs") && !dcsText(c.dtcsCode, pol[0], txTone, error))
        return false;
    if (rxKind == QLatin1String("tone"))
        *rxTone = ctcssText(c.cToneFreq);
    else if (rxKind == QLatin1String("dtcs") && !dcsText(c.rxDtcsCode, pol[1], rxTone, error))
        return false;
    return true;
}
