#pragma once

#include <QMdiSubWindow>

class CProgramDoc;
class CProgramView;

// A document window: holds the channel grid view of one document and owns the
// document. Its close box hides it; only File New destroys it.
class CChildFrame : public QMdiSubWindow
{
    Q_OBJECT

public:
    static constexpr int kMaxWidth = 1600;
    static constexpr int kMaxHeight = 1200;

    // Takes ownership of document.
    explicit CChildFrame(CProgramDoc *document, QWidget *parent = nullptr);

    CProgramDoc *document() const { return m_document; }
    CProgramView *view() const { return m_view; }
    // Places the window at the area's top-left corner, sized to show the whole
    // form but never more than kMaxWidth by kMaxHeight.
    void fitToView();
    // The document's title, with "*" while it holds unsaved changes.
    void updateTitle();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    CProgramDoc *m_document;
    CProgramView *m_view;
};
