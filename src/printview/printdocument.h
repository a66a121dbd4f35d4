// The File menu's print commands for a document: Print (the print dialog's page
// range runs to the page count), Print Preview and Print Setup, all sharing one
// printer so the page set-up carries from one command to the next.
#pragma once

#include "channelcodec.h"
#include "memoryimage.h"

#include <QVector>

class QWidget;

void PrintDocument(QWidget *parent, const MemoryImage &image, const QVector<ChannelTexts> &rows);
void PreviewDocument(QWidget *parent, const MemoryImage &image, const QVector<ChannelTexts> &rows);
void PrintSetup(QWidget *parent);
