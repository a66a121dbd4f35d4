// The string-table messages that several parts show. The English text is the
// source; a loaded translation (Chinese.qm) supplies the Chinese one.
#pragma once

#include "status/status.h"

#include <QString>

enum MessageId {
    kMsgOutOfRange = 61448,
    kMsgCommunicationError = 61451,
    kMsgAllDataCleared = 61452,
    kMsgCouldNotOpenPort = 61453,
    kMsgProgramInterrupt = 61454,
    kMsgOffStep = 61456,
    kMsgCaution = 61458,
    kMsgNotAFrequency = 61470, // a typed frequency that is not wholly a number
};

// The text of a string-table message in the loaded language.
QString MessageText(int id);
// The untranslated English text (CLI output, tests).
const char *MessageSource(int id);
// A failure of kind whose words are the string-table message id.
Status MessageStatus(Status::Kind kind, int id);
