#include "csv/channellists.h"

#include <QFile>

namespace {

const char *const kListNames[] = {"2m", "70cm", "pmr446", "frs", "noaa", "marine"};

ChannelList ReadList(const QString &name)
{
    ChannelList list;
    list.name = name;
    QFile file(QStringLiteral(":/lists/%1.csv").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return list;
    bool header = true;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        const auto comment = [&](const char *key, QString *value) {
            const QString prefix = QStringLiteral("# %1:").arg(QLatin1String(key));
            if (!line.startsWith(prefix))
                return;
            if (!value->isEmpty())
                *value += QLatin1Char(' ');
            *value += line.mid(prefix.size()).trimmed();
        };
        if (line.startsWith(QLatin1Char('#'))) {
            comment("en", &list.english);
            comment("zh", &list.chinese);
            comment("source", &list.source);
            continue;
        }
        if (line.isEmpty())
            continue;
        list.csv += raw.trimmed() + '\n';
        list.channels += header ? 0 : 1;
        header = false;
    }
    return list;
}

} // namespace

const QList<ChannelList> &ChannelLists()
{
    static const QList<ChannelList> lists = [] {
        QList<ChannelList> all;
        for (const char *name : kListNames)
            all << ReadList(QString::fromLatin1(name));
        return all;
    }();
    return lists;
}

const ChannelList *FindChannelList(const QString &name)
{
    for (const ChannelList &list : ChannelLists()) {
        if (list.name.compare(name, Qt::CaseInsensitive) == 0)
            return &list;
    }
    return nullptr;
}
