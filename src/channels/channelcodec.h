// Channel records: 200 × 16 bytes at 0x0000 (frequencies as 8-digit packed BCD in
// 10 Hz units, least significant byte first; tones as two BCD/DCS bytes; a flags
// byte) and 200 × 8-byte name slots at 0x0CA0 in the radio's character code.
// Decoding never fails; encoding keeps every byte and bit it does not own.
#pragma once

#include "image/memoryimage.h"

#include <QString>
#include <QVector>
#include <array>

// The nine grid texts of one record, in column order.
enum ChannelColumn {
    kColRx = 0,
    kColTx,
    kColRxTone,
    kColTxTone,
    kColPower,
    kColLock,
    kColScan,
    kColBandwidth,
    kColName,
    kChannelColumns
};
using ChannelTexts = std::array<QString, kChannelColumns>;

// Frequencies: texts in MHz with "%3.5f", values in 10 Hz units.
QString FrequencyToText(const quint8 *bytes4);
// A value outside IsStorableFrequency (0, negative, too large) writes FF FF FF FF.
void TextToFrequency(const QString &text, quint8 *bytes4);
qint32 FrequencyUnits(const QString &text); // trunc(DecimalMultiply(atof(text), 100000))
// As FrequencyUnits, but false when the typed value lies beyond a 32-bit count
// (units then holds the nearest 32-bit value).
bool ParseFrequencyUnits(const QString &text, qint32 *units);
// True for 1000000 ... 99999999 (10 to 999.99999 MHz): what a record can hold;
// a smaller value would leave a top byte of 0x00, which reads as absent.
bool IsStorableFrequency(qint32 units);
QString FormatFrequency(qint32 units); // "%3.5f" of units / 100000

// Tones: low byte first. Texts "None"/"无", "%3.1f" Hz, "D023N", "D754I".
QString ToneToText(quint8 low, quint8 high, bool chinese);
// Texts with "D" are DCS ("N" normal, else inverted); others are Hz. A tone of 0,
// a negative one or one above 799.9 Hz (its high byte would read as DCS) writes FF FF.
void TextToTone(const QString &text, quint8 *low, quint8 *high);
// The bytes of a tone text read from outside (a CSV cell, a pasted cell), such that
// they show exactly that text again: a text of the tone list (either language) as
// TextToTone writes it; any other text (one that only bytes outside the codes show,
// "D6415N") only when exactly one pair of bytes shows as it. False when no pair
// shows as the text, or more than one does (then *ambiguous is set, when given).
bool ReadToneText(const QString &text, quint8 *low, quint8 *high, bool *ambiguous = nullptr);

struct FlagTexts
{
    QString power, lock, scan, bandwidth;
};
FlagTexts FlagsToTexts(quint8 flags, bool chinese);
quint8 TextsToFlags(quint8 oldFlags, const FlagTexts &texts); // keeps bits 7, 6, 0

// Names: codes 0-9 "0"-"9", 10-35 "A"-"Z", 36 "-", 38 "_", 0xFF end.
QString NameToText(const quint8 *bytes8);
// The power-on name at 0x12E8, in the same code: six characters at most, ending
// at the first 0xFF or unknown code.
QString DecodePowerOnName(const MemoryImage &image);
void TextToName(const QString &text, quint8 *bytes8);
int CharToRadioCode(QChar c); // 0xFF for characters the radio cannot show
bool IsRadioNameChar(QChar c);
// The rule of a typed radio name (a channel name, the power-on name): ASCII
// letters are upper-cased in text; true when it then holds at most maxLength
// characters, each one the radio can show.
bool FitRadioName(QString &text, int maxLength);

struct FrequencyCheck
{
    enum Status { Accepted, OutOfRange, OffStep };
    Status status;
    qint32 units; // the typed value in 10 Hz units
    QString text; // reformatted with "%3.5f"
};
struct BandLimitValues; // bandlimits.h
// Range first (VHF low ≤ f < VHF high or UHF low ≤ f < UHF high, and storable),
// then the step rule (a multiple of 250 or of 625).
FrequencyCheck CheckFrequencyEntry(const QString &text, const BandLimitValues &limits);

// Records outside 0-199 read as empty and are never written.
bool IsChannelEmpty(const MemoryImage &image, int record); // byte +3 is 0xFF or 0x00
// The grid row of a record: nine texts, all empty for an empty record.
ChannelTexts DecodeChannel(const MemoryImage &image, int record, bool chinese);
// Writes a grid row back: an empty Rx text writes sixteen 0xFF bytes and leaves
// the name slot; otherwise the record bytes it owns and the name slot.
void EncodeChannel(MemoryImage &image, int record, const ChannelTexts &texts);

// The bits a grid column's text is read from (record byte +3, which makes a
// channel empty, belongs to Rx; the name reads the record's name slot).
QVector<ImageBits> ChannelColumnBits(int record, int column);
// EncodeChannel for a row read from outside: when the record held a channel, the
// bytes and bits of every column whose text is the one the record shows now (in
// either language) stay as they are, so values only another program could store
// survive; a tone text outside the tone list is written as ReadToneText reads it.
void EncodeChannelExact(MemoryImage &image, int record, const ChannelTexts &texts);

// The grid's default texts for a channel that was just created by typing an Rx.
ChannelTexts NewChannelTexts(const QString &rxText, bool chinese);

// Grid row labels: "Pr" for record 0, "%3d" for the others ("  1" ... "199").
QString RowLabel(int record);
