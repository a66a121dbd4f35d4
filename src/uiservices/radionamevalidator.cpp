#include "uiservices/radionamevalidator.h"

#include "channels/channelcodec.h"

RadioNameValidator::RadioNameValidator(int maxLength, QObject *parent)
    : QValidator(parent)
    , m_maxLength(maxLength)
{ }

QValidator::State RadioNameValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos);
    if (input.size() > m_maxLength)
        return Invalid;
    for (QChar &c : input) {
        // Only ASCII letters: the radio has no other letters to fold to.
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = c.toUpper();
        if (!IsRadioNameChar(c))
            return Invalid;
    }
    return Acceptable;
}
