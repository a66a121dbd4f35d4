#include "uiservices/radionamevalidator.h"

#include "channels/channelcodec.h"

RadioNameValidator::RadioNameValidator(int maxLength, QObject *parent)
    : QValidator(parent)
    , m_maxLength(maxLength)
{ }

QValidator::State RadioNameValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos);
    return FitRadioName(input, m_maxLength) ? Acceptable : Invalid;
}
