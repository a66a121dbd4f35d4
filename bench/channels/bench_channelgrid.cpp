// Times a whole-image read coming into a document with its view (decoding 200
// filled channels and refreshing the grid once) and the bytes a save writes after
// an edit (every record encoded again). Prints the median and the worst of the
// runs; exits 1 when a median misses 20 ms.
#include "channelview/programview.h"
#include "document/programdoc.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 50;
constexpr double kLimitMs = 20.0;

MemoryImage FilledImage(int variant)
{
    MemoryImage image = NewImage();
    for (int record = 0; record < ImageMap::kChannelCount; ++record) {
        const double mhz = (record % 2 ? 440.0 : 145.0) + (record + variant) * 0.0125;
        const QString rx = QString::asprintf("%3.5f", mhz);
        EncodeChannel(image, record,
            {rx, rx, variant ? "D023N" : "67.0", "None", "High", "Lock", "Yes", "Wide",
                QStringLiteral("CH%1").arg(record)});
    }
    return image;
}

void Report(const char *what, std::vector<double> &ms, bool *ok)
{
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    std::printf("%-8s median %7.3f ms  worst %7.3f ms  (%zu runs, limit %.0f ms)\n", what, median,
        ms.back(), ms.size(), kLimitMs);
    if (median >= kLimitMs)
        *ok = false;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);

    CProgramDoc doc;
    doc.OnNewDocument();
    CProgramView view(&doc);
    view.show();
    const MemoryImage images[2] = {FilledImage(0), FilledImage(1)};

    std::vector<double> refresh, pull;
    QElapsedTimer timer;
    for (int run = 0; run < kRuns; ++run) {
        timer.start();
        doc.replaceFromRadio(images[run % 2]); // every read changes all 200 rows
        refresh.push_back(timer.nsecsElapsed() / 1e6);
        ChannelTexts row = doc.rowTexts(run % ImageMap::kChannelCount);
        row[kColName] = QStringLiteral("RUN%1").arg(run);
        doc.commitCell(run % ImageMap::kChannelCount, kColName, row);
        timer.start();
        view.PullIntoImage(); // what the frame does before a save or a write
        doc.image(); // every record encoded again
        pull.push_back(timer.nsecsElapsed() / 1e6);
        app.processEvents();
    }
    bool ok = true;
    Report("refresh", refresh, &ok);
    Report("pull", pull, &ok);
    return ok ? 0 : 1;
}
