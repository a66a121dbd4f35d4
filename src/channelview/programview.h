// The form that shows and edits one document's channel table: the four band-limit
// boxes above a 200-row grid whose cell texts are the working copy of the table
// between a refresh (image -> grid) and a pull (grid -> image).
#pragma once

#include "bandlimits.h"
#include "cellcommit.h"
#include "channelcodec.h"

#include <QPointer>
#include <QVector>
#include <QWidget>
#include <memory>

class BandLimitBoxes;
class CProgramDoc;
class ChannelDelegate;
class ChannelGrid;
class ChannelTableModel;
class ToneTable;

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

    ChannelGrid *grid() const { return m_grid; }
    BandLimitBoxes *bandBoxes() const { return m_bands; }
    ChannelTableModel *model() const { return m_model; }
    const ToneTable &toneTable() const { return *m_tones; }

    QSize sizeHint() const override;

    // The help context of a widget: the helpId of it or of its nearest ancestor.
    static int helpIdOf(const QWidget *widget);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Commits the open editor as its cell is left; returns whether the current cell
    // must stay (Enter after a refused frequency).
    bool commitOpenEditor(CellExit exit);
    void showMessage(int id);
    void enterPressed();
    void tabPressed(bool backward);
    void bandBoxLeft();
    void loadFrameIcon();

    QPointer<CProgramDoc> m_document;
    std::unique_ptr<ToneTable> m_tones;
    BandLimitBoxes *m_bands = nullptr;
    ChannelTableModel *m_model = nullptr;
    ChannelDelegate *m_delegate = nullptr;
    ChannelGrid *m_grid = nullptr;
    BandBoxes m_storedBoxes; // what the boxes held at the last refresh or pull
    bool m_committing = false;
};
