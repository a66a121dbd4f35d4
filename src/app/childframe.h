#pragma once

#include <QMdiSubWindow>
#include <functional>

class CProgramDoc;
class CProgramView;

// A document window: holds the channel grid view of one document and owns the
// document. Its close box hides it (after the close guard agreed); the document
// stays open and the Window menu shows it again.
class CChildFrame : public QMdiSubWindow
{
    Q_OBJECT

public:
    static constexpr int kMaxWidth = 1600;
    static constexpr int kMaxHeight = 1200;

    // Asked before the window hides on a close request; false keeps it shown.
    using CloseGuard = std::function<bool(CChildFrame *child)>;

    // Takes ownership of document.
    explicit CChildFrame(CProgramDoc *document, QWidget *parent = nullptr);

    CProgramDoc *document() const { return m_document; }
    CProgramView *view() const { return m_view; }
    // The step before every command that takes the document as a whole (save,
    // write to the radio, print, undo and redo, compare, import, export, New,
    // close): the view commits what it still holds (an open cell editor, a band
    // box being typed in) into the document. The document never asks its views
    // for it; the frame asks the window's view.
    void commitPendingEdits();
    // Places the window at the area's top-left corner, sized to show the whole
    // form but never more than kMaxWidth by kMaxHeight nor more than the area.
    // This is the size the window returns to from maximised.
    void fitToView();
    // The document's title, with "*" while it holds unsaved changes.
    void updateTitle();
    void setCloseGuard(CloseGuard guard) { m_closeGuard = std::move(guard); }

Q_SIGNALS:
    // The window was shown or hidden.
    void shownChanged();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    CloseGuard m_closeGuard;
    CProgramDoc *m_document;
    CProgramView *m_view;
};
