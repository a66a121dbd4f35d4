// The File menu's print commands for a document: Print (the print dialog's page
// range runs to the page count), Print Preview and Print Setup, all sharing one
// printer so the page set-up carries from one command to the next.
#pragma once

class CProgramDoc;
class QWidget;

// Both print the document as it is: the caller has its view commit an open
// editor first, so that a value still being typed is printed too.
void PrintDocument(QWidget *parent, CProgramDoc *document);
void PreviewDocument(QWidget *parent, CProgramDoc *document);
void PrintSetup(QWidget *parent);
