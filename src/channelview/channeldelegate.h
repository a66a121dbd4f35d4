// Creates the editor of a channel grid column (edit boxes for the frequencies and
// the name, drop-down lists for the tones, power, lock, scan add and bandwidth),
// fills it from the cell and keeps track of the one open editor. setModelData
// hands the editor's text to the model, which checks and commits it.
// Keys end an edit as Qt's delegates end it, with commitData and closeEditor:
// Tab and Shift+Tab commit and give the hints EditNextItem and EditPreviousItem;
// Enter commits by its own rules (the Enter role of the model) and gives
// EditNextItem, or NoHint when the model refused the text, so that the current
// cell stays. Escape takes the typing back and leaves the editor open. A pick
// list changes only when opened or typed into: the wheel and the keys that move
// the current cell go on to the table.
#pragma once

#include "grid/centredcelldelegate.h"

#include <QPersistentModelIndex>
#include <QPointer>
#include <QStringList>

class QKeyEvent;

class ChannelDelegate : public CentredCellDelegate
{
    Q_OBJECT

public:
    // The choices of the pick lists are taken in the interface language given.
    explicit ChannelDelegate(bool chinese, QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(
        QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;

    QWidget *openEditor() const { return m_editor; }
    QModelIndex openIndex() const { return m_editorIndex; }

    static QString editorText(const QWidget *editor);
    // The control id of a column's editor, used as its help context.
    static int helpIdForColumn(int column);
    // The list choices of a column (empty for the edit-box columns).
    QStringList choices(int column) const;

Q_SIGNALS:
    void typing(); // a key with text reached the open editor

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Commits the editor and closes it with the hint the key asks for.
    void endEdit(QWidget *editor, const QKeyEvent *key);

    bool m_chinese;
    bool m_enterCommits = false; // the commit under way is the Enter key's
    mutable bool m_refused = false; // the model refused the last commit
    mutable QPointer<QWidget> m_editor;
    mutable QPersistentModelIndex m_editorIndex;
};
