// Creates the editor of a channel grid column (edit boxes for the frequencies and
// the name, drop-down lists for the tones, power, lock, scan add and bandwidth),
// fills it from the cell and keeps track of the one open editor. setModelData
// hands the editor's text to the model, which checks and commits it. A pick list
// changes only when opened or typed into: the wheel and the arrow keys over it
// belong to the table.
#pragma once

#include "centredcelldelegate.h"

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
    // The next setModelData commits as the Enter key does (else as leaving the cell).
    void setCommitOnEnter(bool onEnter) { m_commitOnEnter = onEnter; }
    // The control id of a column's editor, used as its help context.
    static int helpIdForColumn(int column);
    // The list choices of a column (empty for the edit-box columns).
    QStringList choices(int column) const;

Q_SIGNALS:
    void enterPressed();
    void tabPressed(bool backward);
    void typing(); // a key with text reached the open editor
    // A key that moves the current cell reached a pick list, which leaves it to the table.
    void tableKeyPressed(QKeyEvent *event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_chinese;
    bool m_commitOnEnter = false;
    mutable QPointer<QWidget> m_editor;
    mutable QPersistentModelIndex m_editorIndex;
};
