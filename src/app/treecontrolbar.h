#pragma once

#include <QDockWidget>
#include <QFont>

class QLabel;
class QMainWindow;
class QRubberBand;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

// The control bar docked at the main window's left edge: a caption strip with
// the configured company text and a Close button that hides the bar, and the
// navigation tree. It is never floated or moved; its width changes only by
// dragging the 6-pixel strip at its right edge and is kept for the run.
class CTreeControlBar : public QDockWidget
{
    Q_OBJECT

public:
    static constexpr int kCaptionHeight = 22;
    static constexpr int kDefaultWidth = 220;
    static constexpr int kSizingStripWidth = 6;
    static constexpr int kMinimumWidth = 11;
    static constexpr int kMinimumTrackX = 80;

    explicit CTreeControlBar(QMainWindow *frame);

    QTreeWidget *tree() const { return m_pTree; }
    QTreeWidgetItem *rootItem() const;
    QToolButton *closeButton() const { return m_closeButton; }
    QString caption() const { return m_strCaption; }

    // Root labelled rootLabel with the two items of the interface language.
    void populate(const QString &rootLabel);

    int barWidth() const { return m_nWidth; }
    // Where the tracking line is drawn while the edge is dragged to x (bar coordinates).
    int trackingX(int x) const;
    // The width the bar takes when the drag ends at x.
    int widthForRelease(int x) const;

    // The sizing strip's mouse handling, x in bar coordinates.
    void beginSizing();
    void trackSizing(int x);
    void endSizing(int x);
    bool isSizing() const { return m_bSizing; }

Q_SIGNALS:
    // A double-click in the tree, with the label of the item under the cursor
    // (empty when there is none). The root is selected again afterwards.
    void treeDoubleClicked(const QString &label);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createTitleBar();
    int halfFrameWidth() const;

    QMainWindow *m_frame;
    QFont m_font;
    int m_nWidth = kDefaultWidth;
    QTreeWidget *m_pTree = nullptr;
    QString m_strCaption;
    QLabel *m_captionLabel = nullptr;
    QToolButton *m_closeButton = nullptr;
    QWidget *m_sizingStrip = nullptr;
    QRubberBand *m_trackLine = nullptr;
    bool m_bSizing = false;
};
