#include "printview/printdocument.h"

#include "document/programdoc.h"
#include "printrender/printrender.h"
#include "settings/language.h"
#include "uiservices/uiservices.h"

#include <QCoreApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

QPrinter *g_printer = nullptr;

void DeletePrinter()
{
    delete g_printer;
    g_printer = nullptr;
}

// One printer for the whole run; it goes with the application object.
QPrinter &SharedPrinter()
{
    if (!g_printer) {
        g_printer = new QPrinter(QPrinter::HighResolution);
        qAddPostRoutine(DeletePrinter);
    }
    return *g_printer;
}

PrintSource MakeSource(CProgramDoc *document)
{
    PrintSource source;
    source.image = document->image();
    source.rows = document->rows();
    source.owner = LanguageValue(QStringLiteral("Copyrights Owner"));
    source.chinese = g_bChinese;
    return source;
}

void ReportFailure(QWidget *parent)
{
    UiServices::Message(parent, QString(),
        LangText("The document could not be printed.", "文档无法打印。"), QMessageBox::Warning);
}

} // namespace

void PrintDocument(QWidget *parent, CProgramDoc *document)
{
    const PrintSource source = MakeSource(document);
    const int pageCount = CountPages(source.rows).pageCount();
    QPrinter &printer = SharedPrinter();
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, pageCount);
    dialog.setFromTo(1, pageCount);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted)
        return;
    int from = 1;
    int to = pageCount;
    if (printer.printRange() == QPrinter::PageRange) {
        from = printer.fromPage();
        to = printer.toPage();
    }
    if (!RenderDocument(&printer, source, from, to))
        ReportFailure(parent);
}

void PreviewDocument(QWidget *parent, CProgramDoc *document)
{
    const PrintSource source = MakeSource(document);
    QPrintPreviewDialog dialog(&SharedPrinter(), parent);
    QObject::connect(
        &dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&source](QPrinter *printer) {
            RenderDocument(printer, source, 1, CountPages(source.rows).pageCount());
        });
    dialog.exec();
}

void PrintSetup(QWidget *parent)
{
    QPageSetupDialog dialog(&SharedPrinter(), parent);
    dialog.exec();
}
