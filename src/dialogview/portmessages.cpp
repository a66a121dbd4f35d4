#include "dialogview/portmessages.h"

#include "compare/imagediff.h"
#include "link/comport.h"
#include "link/openradioport.h"
#include "link/portholders.h"
#include "settings/inifile.h"
#include "settings/language.h"
#include "settings/visibletext.h"

namespace {

QString Advice(const QString &portName, const Status &failure)
{
    if (portName.isEmpty())
        return LangText(
            "No serial port is chosen. Choose the radio's port under Setup > Com Setup.",
            "未选择串口。请在“设置 > 串口设置”中选择对讲机所接的串口。");
    // A typed port name may be anything; the message repeats a short part of it.
    const QString device = ShortInput(DevicePath(portName));
    switch (failure.kind()) {
    case Status::Kind::NotFound:
        return LangText("%1 does not exist. Plug in the programming cable, or choose its port "
                        "under Setup > Com Setup.",
            "%1 不存在。请插好写频线，或在“设置 > 串口设置”中选择它所在的串口。")
            .arg(device);
    case Status::Kind::NoAccess: {
        const QString hint = PortAccessHint(portName);
        const QString lead
            = LangText("You have no permission to use %1.", "您无权使用 %1。").arg(device);
        return hint.isEmpty() ? lead : lead + QLatin1Char('\n') + hint;
    }
    case Status::Kind::Busy: {
        // Name the holder where the system shows it (ModemManager, brltty ...).
        const QString holder = PortHolderHint(portName);
        if (!holder.isEmpty())
            return holder;
        return LangText("Another program is using %1. Close that program and try again.",
            "%1 正被其他程序占用。请关闭该程序后重试。")
            .arg(device);
    }
    default:
        break;
    }
    const QString detail = failure.detail();
    return detail.isEmpty() ? QString() : QStringLiteral("%1: %2").arg(device, detail);
}

constexpr int kShownDifferences = 20; // lines of differences in one message

} // namespace

QString PortOpenFailureText(const QString &message, const QString &portName, const Status &failure)
{
    const QString advice = Advice(portName, failure);
    return advice.isEmpty() ? message : message + QStringLiteral("\n\n") + advice;
}

QString TransferFailureText(const Status &transfer, const QString &portName)
{
    if (IsPortOpenFailure(transfer))
        return PortOpenFailureText(transfer.text(), portName, transfer);
    return transfer.text();
}

QString VerifiedWriteText(const VerifiedWriteOutcome &outcome, const QString &portName)
{
    switch (outcome.verify) {
    case VerifyResult::Skipped:
        return QString();
    case VerifyResult::Verified:
        return LangText("Written and verified", "已写入并校验无误");
    case VerifyResult::NotVerified: {
        const QString why = outcome.verifyRead.kind() == Status::Kind::Cancelled
            ? LangText("the verification was cancelled.", "校验已取消。")
            : TransferFailureText(outcome.verifyRead, portName);
        return LangText("Written; could not verify: %1", "已写入；无法校验：%1").arg(why);
    }
    case VerifyResult::Different:
        break;
    }
    const ImageDiff diff = DiffImages(outcome.expected, outcome.readBack, g_bChinese, g_iniFile);
    const QStringList lines = DiffLines(
        diff, LangText("sent", "发送"), LangText("radio", "对讲机"), g_bChinese, kShownDifferences);
    return LangText("Written, but the radio does not hold what was sent:",
               "已写入，但对讲机中的数据与发送的不一致：")
        + QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
}
