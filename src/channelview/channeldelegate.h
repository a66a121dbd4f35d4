// Creates the editor of a channel grid column (edit boxes for the frequencies and
// the name, drop-down lists for the tones, power, lock, scan add and bandwidth),
// fills it from the cell and keeps track of the one open editor. It never writes
// the model itself: the view commits an editor when its cell is left, with the
// checks and messages that belong to that.
#pragma once

#include "centredcelldelegate.h"

#include <QPersistentModelIndex>
#include <QPointer>
#include <QStringList>

class ToneTable;

class ChannelDelegate : public CentredCellDelegate
{
    Q_OBJECT

public:
    // tones must outlive the delegate; the choices of power, lock, scan add and
    // bandwidth are taken in the interface language of this moment.
    ChannelDelegate(const ToneTable *tones, bool chinese, QObject *parent = nullptr);

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
    void enterPressed();
    void tabPressed(bool backward);
    void typing(); // a key with text reached the open editor

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const ToneTable *m_tones;
    QStringList m_power, m_lock, m_scan, m_bandwidth;
    mutable QPointer<QWidget> m_editor;
    mutable QPersistentModelIndex m_editorIndex;
};
