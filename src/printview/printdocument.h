// The File menu's print commands for a document: Print (the print dialog's page
// range runs to the page count), Print Preview and Print Setup, all sharing one
// printer so the page set-up carries from one command to the next.
#pragma once

class CProgramDoc;
class QWidget;

// Both commit what the document's views still hold first, so a value still in
// an open editor is printed too.
void PrintDocument(QWidget *parent, CProgramDoc *document);
void PreviewDocument(QWidget *parent, CProgramDoc *document);
void PrintSetup(QWidget *parent);
