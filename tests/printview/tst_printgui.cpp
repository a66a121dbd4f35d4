#include "printdocument.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QTest>
#include <QTimer>

namespace {

QVector<ChannelTexts> Rows(int channels)
{
    QVector<ChannelTexts> rows(ImageMap::kChannelCount);
    for (int r = 0; r < channels; ++r)
        rows[r][kColRx] = QStringLiteral("146.52000");
    return rows;
}

// Runs `check` on the modal dialog once it is up, then closes it.
template<typename Dialog>
void WhenShown(std::function<void(Dialog *)> check)
{
    QTimer::singleShot(200, [check] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        check(dialog);
        if (dialog)
            dialog->reject();
    });
}

} // namespace

class TestPrintGui : public QObject
{
    Q_OBJECT

private slots:
    void printDialogRangeIsPageCount_data();
    void printDialogRangeIsPageCount();
    void previewOpens();
};

void TestPrintGui::printDialogRangeIsPageCount_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("pages");
    QTest::newRow("no channels") << 0 << 1;
    QTest::newRow("eight channels") << 8 << 3;
}

void TestPrintGui::printDialogRangeIsPageCount()
{
    QFETCH(int, channels);
    QFETCH(int, pages);
    int maxPage = -1;
    WhenShown<QPrintDialog>([&maxPage](QPrintDialog *dialog) {
        if (dialog)
            maxPage = dialog->maxPage();
    });
    PrintDocument(nullptr, NewImage(), Rows(channels));
    QCOMPARE(maxPage, pages);
}

void TestPrintGui::previewOpens()
{
    bool shown = false;
    WhenShown<QPrintPreviewDialog>([&shown](QPrintPreviewDialog *dialog) { shown = dialog; });
    PreviewDocument(nullptr, NewImage(), Rows(12));
    QVERIFY(shown);
}

QTEST_MAIN(TestPrintGui)
#include "tst_printgui.moc"
