// Tones between the grid's texts ("None", "88.5", "D023N", "D754I") and the
// community layout's tone columns: a mode (Tone, TSQL, DTCS, Cross) that says
// which of rToneFreq / cToneFreq / DtcsCode / RxDtcsCode apply to transmit and
// receive, CrossMode ("Tone->DTCS", "->Tone" ...: transmit kind, then receive kind)
// for every pair the other modes cannot name, DtcsPolarity as two letters
// (transmit, receive; N normal, R reversed).
#pragma once

#include "status/status.h"

#include <QString>

struct CommunityTones
{
    QString mode;
    QString rToneFreq = QStringLiteral("88.5");
    QString cToneFreq = QStringLiteral("88.5");
    QString dtcsCode = QStringLiteral("023");
    QString dtcsPolarity = QStringLiteral("NN");
    QString rxDtcsCode = QStringLiteral("023");
    QString crossMode = QStringLiteral("Tone->Tone");
};

// Every pair of grid tones has its columns: Tone, TSQL and DTCS where they fit,
// Cross with its CrossMode for the rest.
CommunityTones TonesToCommunity(const QString &rxTone, const QString &txTone);

// The grid's tone texts for a community row; the reason when the mode, a
// frequency or a code is not understood ("88,5", "nan" and "1e2" are refused,
// never read as the number at their front). Texts are not yet checked against
// the tone list.
Status CommunityToTones(const CommunityTones &columns, QString *rxTone, QString *txTone);
