// What an open document holds: the image bytes, the channel table's working copy
// (the grid's nine texts of each of the 200 records) and the four band-limit
// boxes. The bytes that are saved or sent are the image with the table and the
// boxes encoded over it (ComposeImage), so bytes and bits that no column owns
// keep what the image holds. A change is kept as a delta between two states.
#pragma once

#include "channels/bandlimits.h"
#include "channels/channelcodec.h"
#include "image/memoryimage.h"

#include <QByteArray>
#include <QVector>

struct DocumentState
{
    MemoryImage image {};
    QVector<ChannelTexts> rows = QVector<ChannelTexts>(ImageMap::kChannelCount);
    BandBoxes boxes;
};

// Image, then every row (an empty Rx writes sixteen 0xFF bytes and leaves the
// name slot), then the band triples.
MemoryImage ComposeImage(const DocumentState &state);

// The state an image is shown as: rows and boxes decoded from it in the
// interface language of `chinese`. The product step of a refresh is the
// document's (it reads and writes the per-user settings).
DocumentState DecodeState(const MemoryImage &image, bool chinese);

// The state that shows image: image as its bytes, and decoded from it the rows
// of every channel that it shows otherwise than state does. Its composed image
// is image whenever the band-limit bytes of image are those of state's boxes (an
// import into a copy of the composed image changes channels only).
DocumentState WithChannelsOf(const DocumentState &state, const MemoryImage &image, bool chinese);

struct StateDelta
{
    struct Row
    {
        int record;
        ChannelTexts before, after;
    };
    struct Bytes
    {
        int address;
        QByteArray before, after;
    };
    QVector<Row> rows;
    QVector<Bytes> bytes; // runs of changed image bytes
    bool bandsChanged = false;
    BandBoxes bandsBefore, bandsAfter;

    bool isEmpty() const { return rows.isEmpty() && bytes.isEmpty() && !bandsChanged; }
};

StateDelta DiffStates(const DocumentState &before, const DocumentState &after);
// forward: before -> after (redo); otherwise after -> before (undo).
void ApplyDelta(DocumentState &state, const StateDelta &delta, bool forward);
