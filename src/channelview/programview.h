// The form that shows and edits one document's channel table: the four band-limit
// boxes above a 200-row grid. The grid's model reads the document's table and
// commits typed cells as commands on the document; the view follows the
// document's signals and turns refused entries into message boxes. Rows are
// selected, cut, copied, pasted, moved and sorted through ChannelRowCommands, from
// the context menu of the grid and its row labels or from the keyboard.
// A find bar (Ctrl+F, F3, Shift+F3) sits between the boxes and the grid. With
// empty channels hidden, the grid shows only the rows that hold a channel, each
// under its own channel number; the commands act on the rows shown.
#pragma once

#include "channels/bandlimits.h"

#include <QPointer>
#include <QWidget>

class BandLimitBoxes;
class CProgramDoc;
class ChannelFindBar;
class ChannelGrid;
class ChannelRowCommands;
class ChannelTableModel;

class CProgramView : public QWidget
{
    Q_OBJECT

public:
    explicit CProgramView(CProgramDoc *document, QWidget *parent = nullptr);
    ~CProgramView() override;

    CProgramDoc *document() const;

    // The window icon, then RefreshFromImage.
    void initialUpdate();
    // The document's state -> band-limit boxes, BandLimits, grid and main title.
    void RefreshFromImage();
    // Commits the open cell editor and the band-limit boxes into the document and
    // shows the message of a refused cell. Every command that takes the document
    // as a whole (save, write, print, undo, compare, close, the row commands)
    // asks the view for this first; the document never asks its views.
    void PullIntoImage();

    ChannelGrid *grid() const { return m_grid; }
    BandLimitBoxes *bandBoxes() const { return m_bands; }
    ChannelTableModel *model() const { return m_model; }
    ChannelRowCommands *rowCommands() const { return m_rows; }
    ChannelFindBar *findBar() const { return m_find; }

    // Hides the rows without a channel (true) or shows every row. A view starts
    // with the per-user setting.
    void setHideEmptyChannels(bool hide);
    bool hidesEmptyChannels() const { return m_hideEmpty; }

    QSize sizeHint() const override;

    // The help context of a widget: the helpId of it or of its nearest ancestor.
    static int helpIdOf(const QWidget *widget);

Q_SIGNALS:
    // A line for the main window's status bar (a channel was cleared, rows copied).
    void statusMessage(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showMessage(int id);
    // The boxes as they stand (after the clamping of a box that was left).
    void commitBands();
    // The one place the process-wide BandLimits are assigned: from the boxes this
    // view shows when they change, are left or are committed.
    void takeBands(const BandBoxes &boxes);
    void showBands();
    void loadFrameIcon();
    void setUpRowCommands();
    // A read starts (editors close, band boxes turn read-only) or ends.
    void setReceiving(bool receiving);
    void setUpFind();
    // Hides or shows each row by what it holds now; a current cell in a row that
    // went out of sight moves to the next row shown.
    void applyHiddenRows();

    QPointer<CProgramDoc> m_document;
    BandLimitBoxes *m_bands = nullptr;
    ChannelTableModel *m_model = nullptr;
    ChannelGrid *m_grid = nullptr;
    ChannelRowCommands *m_rows = nullptr;
    ChannelFindBar *m_find = nullptr;
    bool m_hideEmpty = false;
};
