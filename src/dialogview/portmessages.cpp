#include "portmessages.h"

#include "comport.h"
#include "language.h"

namespace {

QString Advice(const QString &portName, OpenFailure failure, const QString &detail)
{
    if (portName.isEmpty())
        return LangText(
            "No serial port is chosen. Choose the radio's port under Setup > Com Setup.",
            "未选择串口。请在“设置 > 串口设置”中选择对讲机所接的串口。");
    const QString device = DevicePath(portName);
    switch (failure) {
    case OpenFailure::NotFound:
        return LangText("%1 does not exist. Plug in the programming cable, or choose its port "
                        "under Setup > Com Setup.",
            "%1 不存在。请插好写频线，或在“设置 > 串口设置”中选择它所在的串口。")
            .arg(device);
    case OpenFailure::PermissionDenied: {
        const QString hint = PortAccessHint(portName);
        const QString lead
            = LangText("You have no permission to use %1.", "您无权使用 %1。").arg(device);
        return hint.isEmpty() ? lead : lead + QLatin1Char('\n') + hint;
    }
    case OpenFailure::Busy:
        return LangText("Another program is using %1. Close that program and try again.",
            "%1 正被其他程序占用。请关闭该程序后重试。")
            .arg(device);
    case OpenFailure::Other:
    case OpenFailure::None:
        break;
    }
    return detail.isEmpty() ? QString() : QStringLiteral("%1: %2").arg(device, detail);
}

} // namespace

QString PortOpenFailureText(
    const QString &message, const QString &portName, OpenFailure failure, const QString &detail)
{
    const QString advice = Advice(portName, failure, detail);
    return advice.isEmpty() ? message : message + QStringLiteral("\n\n") + advice;
}
