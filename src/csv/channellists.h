// The ready-made channel lists: calling and simplex frequencies, licence-free
// and weather channels that fit the radio's bands, as data files built into the
// program (resources/lists/NAME.csv). Each file opens with comment lines:
// "# en: ..." and "# zh: ..." say what it holds, "# source: ..." where its
// frequencies come from; then a grid CSV without CH (Rx Frequency, Tx Frequency,
// Bandwidth, Cha Name). A list is imported into free channels (intoFree).
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct ChannelList
{
    QString name; // one word: 2m, 70cm, pmr446, frs, noaa, marine
    QString english; // what it holds
    QString chinese;
    QString source;
    QByteArray csv; // the file without its comment lines
    int channels = 0;

    QString description(bool inChinese) const { return inChinese ? chinese : english; }
};

// Every list, in the order they are offered.
const QList<ChannelList> &ChannelLists();
// The list of that name (case ignored); nullptr when there is none.
const ChannelList *FindChannelList(const QString &name);
