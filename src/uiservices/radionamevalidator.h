// Lets a channel name editor hold only what the radio can show: 0-9, A-Z, "-" and
// "_". Letters are upper-cased as they are typed; anything else cannot be typed.
#pragma once

#include <QValidator>

class RadioNameValidator : public QValidator
{
    Q_OBJECT

public:
    explicit RadioNameValidator(int maxLength, QObject *parent = nullptr);

    void setMaxLength(int maxLength) { m_maxLength = maxLength; }
    int maxLength() const { return m_maxLength; }

    State validate(QString &input, int &pos) const override;

private:
    int m_maxLength;
};
