// The form that shows and edits one document's channel table: the four band-limit
// boxes above a 200-row grid whose cell texts are the working copy of the table
// between a refresh (image -> grid) and a pull (grid -> image).
#pragma once

#include "channelcodec.h"

#include <QVector>
#include <QWidget>

class CProgramDoc;

class CProgramView : public QWidget
{
    Q_OBJECT

public:
    explicit CProgramView(CProgramDoc *document, QWidget *parent = nullptr);
    ~CProgramView() override;

    CProgramDoc *GetDocument() const;

    // First set-up (once) and RefreshFromImage (every time).
    void OnInitialUpdate();
    void RefreshFromImage();
    // Commits the open editor, then band boxes and grid -> image. Marks the
    // document modified when a byte changed.
    void PullIntoImage();
    // Commits the open editor (validation and its messages included).
    void CommitEditor();

    // The grid's texts of rows 1-200 (records 0-199), for printing.
    QVector<ChannelTexts> gridRows() const;

    // Further members are private to the view's implementation.
};
