#include "document/programdoc.h"
#include "printview/printdocument.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QTest>
#include <QTimer>

namespace {

// A document whose first `channels` records hold a channel.
void Fill(CProgramDoc &doc, int channels)
{
    MemoryImage image = NewImage();
    for (int r = 0; r < channels; ++r)
        EncodeChannel(image, r, NewChannelTexts(QStringLiteral("146.52000"), false));
    doc.openImage(image);
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
#ifdef Q_OS_WIN
    QSKIP("the Windows print dialog is the system's own, not a QPrintDialog to look into");
#endif
    int maxPage = -1;
    WhenShown<QPrintDialog>([&maxPage](QPrintDialog *dialog) {
        if (dialog)
            maxPage = dialog->maxPage();
    });
    CProgramDoc doc;
    Fill(doc, channels);
    PrintDocument(nullptr, &doc);
    QCOMPARE(maxPage, pages);
}

void TestPrintGui::previewOpens()
{
    bool shown = false;
    WhenShown<QPrintPreviewDialog>([&shown](QPrintPreviewDialog *dialog) { shown = dialog; });
    CProgramDoc doc;
    Fill(doc, 12);
    PreviewDocument(nullptr, &doc);
    QVERIFY(shown);
}

QTEST_MAIN(TestPrintGui)
#include "tst_printgui.moc"
