// One document: one memory image, its file path, its title and whether it holds
// edits that were not saved. Widget-free; the view and the frame work through it.
#pragma once

#include "datfile.h"
#include "memoryimage.h"

#include <QObject>
#include <QString>

// 1 while the active image came from New, 0 after an Open or a completed read.
extern bool g_bNewImage;

class CProgramDoc : public QObject
{
    Q_OBJECT

public:
    explicit CProgramDoc(QObject *parent = nullptr);

    MemoryImage &image() { return m_image; }
    const MemoryImage &image() const { return m_image; }

    // Defaults, title "Channel Information"/"信道信息", path [Setup] "AppName".
    bool OnNewDocument();
    // Loads path; on success clears g_bNewImage. On failure the image is untouched.
    DatResult OnOpenDocument(const QString &path);
    // Emits aboutToSave (the view pulls its grid), then writes the file atomically.
    DatResult OnSaveDocument(const QString &path);

    // Replaces the whole image (a completed read from the radio) and marks it modified.
    void replaceImage(const MemoryImage &image);

    QString pathName() const { return m_pathName; }
    void setPathName(const QString &path) { m_pathName = path; }
    QString title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }
    // True while the document came from New and was never saved under a name.
    bool isUntitled() const { return m_untitled; }

    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true);

Q_SIGNALS:
    void aboutToSave();
    void modifiedChanged(bool modified);
    void imageReplaced();

private:
    MemoryImage m_image {};
    QString m_pathName;
    QString m_title;
    bool m_modified = false;
    bool m_untitled = true;
};
