// One open document: the one owner of a memory image. The image is handed out
// read-only; every change is a command on the document's undo stack, and the
// modified flag is that stack's clean state. Widget-free: views and dialogs
// work through the commands below and follow the signals.
#pragma once

#include "document/documentstate.h"
#include "image/datfile.h"
#include "image/memoryimage.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

// 1 while the active image came from New, 0 after an Open or a completed read.
extern bool g_bNewImage;

class CProgramDoc : public QObject
{
    Q_OBJECT

public:
    explicit CProgramDoc(QObject *parent = nullptr);
    // The undo stack says nothing while it goes with the document.
    ~CProgramDoc() override;

    // The bytes a save writes and a write sends: the image with the channel table
    // and the band-limit boxes encoded over it.
    const MemoryImage &image() const;
    // The channel table as the grid shows it (record 0 is "Pr").
    const QVector<ChannelTexts> &rows() const { return m_state.rows; }
    const ChannelTexts &rowTexts(int record) const { return m_state.rows.at(record); }
    const BandBoxes &bands() const { return m_state.boxes; }
    const DocumentState &state() const { return m_state; }

    QUndoStack *undoStack() { return &m_undo; }

    // Defaults, title "Channel Information"/"信道信息", path [Setup] "AppName".
    bool OnNewDocument();
    // Loads path; on success clears g_bNewImage. On failure nothing changes.
    Status OnOpenDocument(const QString &path);
    // The image of a file that was read: clears g_bNewImage, refreshes, no undo.
    void openImage(const MemoryImage &raw);
    // Writes image() to the file atomically; what a view still holds is committed
    // by the caller first. A file of another size than an image is replaced only
    // when replaceAnySize (WrongSize otherwise).
    Status OnSaveDocument(const QString &path, bool replaceAnySize = false);

    // The commands. Each returns false (and pushes nothing) when it changes nothing.
    // A committed cell: row is the record's texts after the commit.
    bool commitCell(int record, int column, const ChannelTexts &row);
    bool setBands(const BandBoxes &boxes);
    // Bytes of a settings dialog or a squelch read: every byte of updated that
    // differs from image() goes into the image.
    bool changeBytes(const MemoryImage &updated, const QString &text);
    // A whole new state (rows moved, an import): one command.
    bool changeState(const DocumentState &after, const QString &text);
    // A completed whole-image read from the radio: clears g_bNewImage and brings
    // the image in as a refresh does.
    void replaceFromRadio(const MemoryImage &raw);
    // File > New: the defaults of a new image, undoable.
    void clearToNew();
    // Back to the state last saved (or opened), dropping the unsaved edits: the
    // undo stack returns to its clean point, or the file is loaded again when
    // that point is gone. False (nothing changes) when neither is possible.
    bool revertToSaved();

    // True while a whole-image read from the radio runs into this document: its
    // end replaces the whole state, so no change is taken meanwhile (every
    // command above refuses) and the views and dialogs offer none.
    bool isReceiving() const { return m_receiving; }
    void setReceiving(bool receiving);

    QString pathName() const { return m_pathName; }
    void setPathName(const QString &path) { m_pathName = path; }
    QString title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }
    // True while the document came from New and was never saved under a name.
    bool isUntitled() const { return m_untitled; }

    bool IsModified() const { return !m_undo.isClean(); }

    // The last file opened into the document as the file held it, and the image
    // right after opening (opening fills in the product bytes); false while the
    // document's data did not come from a file (New, a read from the radio).
    bool openedFromFile() const { return m_fromFile; }
    const MemoryImage &fileAtOpen() const { return m_fileAtOpen; }
    const MemoryImage &imageAtOpen() const { return m_imageAtOpen; }

    // The undo text of an edited cell: "Edit Rx Frequency of channel 12".
    static QString cellCommandText(int record, int column, bool cleared);

Q_SIGNALS:
    // Records first..last changed their texts.
    void rowsChanged(int first, int last);
    void bandsChanged();
    // The whole state was replaced (New, Open, a read, or its undo): views
    // refresh everything once.
    void stateReset();
    void modifiedChanged(bool modified);
    void receivingChanged(bool receiving);

private:
    friend class DocumentCommand;
    void apply(const StateDelta &delta, bool forward, bool whole);
    bool push(const QString &text, const DocumentState &after, bool whole);
    // Rows and boxes from the image, then the product bytes: a new image takes the
    // per-user selection, any other keeps its own.
    DocumentState stateOf(const MemoryImage &raw) const;
    // An image from a file or the radio gives its product selection to the
    // per-user settings, where the next new image takes it from.
    static void rememberProductSelection(const MemoryImage &raw);
    void startNew();
    void resetTo(const DocumentState &state);

    DocumentState m_state;
    mutable MemoryImage m_composed {};
    mutable bool m_composedValid = false;
    QUndoStack m_undo;
    QString m_pathName;
    QString m_title;
    bool m_untitled = true;
    bool m_receiving = false;
    bool m_fromFile = false;
    MemoryImage m_fileAtOpen {};
    MemoryImage m_imageAtOpen {};
};
