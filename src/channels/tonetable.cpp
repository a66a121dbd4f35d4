#include "channels/tonetable.h"

ToneTable::ToneTable(bool chinese)
{
    m_texts.reserve(1 + ctcssTones().size() + 2 * dcsCodes().size());
    m_texts << (chinese ? QString::fromUtf8("无") : QStringLiteral("None"));
    m_texts << ctcssTones();
    for (const char polarity : {'N', 'I'}) {
        for (int code : dcsCodes())
            m_texts << QString::asprintf("D%03d%c", code, polarity);
    }
}

const QStringList &ToneTable::ctcssTones()
{
    static const QStringList tones = {"67.0", "69.3", "71.9", "74.4", "77.0", "79.7", "82.5",
        "85.4", "88.5", "91.5", "94.8", "97.4", "100.0", "103.5", "107.2", "110.9", "114.8",
        "118.8", "123.0", "127.3", "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8",
        "162.2", "165.5", "167.9", "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9",
        "192.8", "196.6", "199.5", "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6",
        "241.8", "250.3", "254.1"};
    return tones;
}

const QList<int> &ToneTable::dcsCodes()
{
    // Written with their octal digits as decimal numbers: 23 is code 023.
    static const QList<int> codes = {23, 25, 26, 31, 32, 36, 43, 47, 51, 53, 54, 65, 71, 72, 73, 74,
        114, 115, 116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205,
        212, 223, 225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306,
        311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432,
        445, 446, 452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606,
        612, 624, 627, 631, 632, 645, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};
    return codes;
}

int ToneTable::selectByPrefix(const QStringList &items, const QString &text)
{
    for (int i = 0; i < items.size(); ++i) {
        if (items.at(i).startsWith(text, Qt::CaseInsensitive))
            return i;
    }
    return 0;
}
