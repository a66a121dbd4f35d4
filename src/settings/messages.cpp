#include "settings/messages.h"

#include <QCoreApplication>

const char *MessageSource(int id)
{
    switch (id) {
    case kMsgOutOfRange:
        return QT_TRANSLATE_NOOP("StringTable", "Out of range,please input again.");
    case kMsgCommunicationError:
        return QT_TRANSLATE_NOOP("StringTable",
            "Communication Error,Please check all the connections and the radio power");
    case kMsgAllDataCleared:
        return QT_TRANSLATE_NOOP("StringTable", "All data will be Cleared!");
    case kMsgCouldNotOpenPort:
        return QT_TRANSLATE_NOOP("StringTable",
            "Could not Open the Port,Please check whether the Port are "
            "occupied or the device are ok");
    case kMsgProgramInterrupt:
        return QT_TRANSLATE_NOOP(
            "StringTable", "Program Interrupt, Please reset the radio and try again");
    case kMsgOffStep:
        return QT_TRANSLATE_NOOP(
            "StringTable", "Error data Value, please input according the step value(6.25K/5k).");
    case kMsgCaution:
        return QT_TRANSLATE_NOOP("StringTable", "Caution");
    case kMsgNotAFrequency:
        return QT_TRANSLATE_NOOP("StringTable",
            "Not a frequency: type the MHz with digits and a decimal point, as 146.525. "
            "The cell keeps what it held.");
    }
    return "";
}

QString MessageText(int id)
{
    return QCoreApplication::translate("StringTable", MessageSource(id));
}

Status MessageStatus(Status::Kind kind, int id)
{
    return Status(kind, "StringTable", MessageSource(id));
}
