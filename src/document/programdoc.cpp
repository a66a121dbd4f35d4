#include "programdoc.h"

#include "inifile.h"
#include "language.h"

bool g_bNewImage = false;

CProgramDoc::CProgramDoc(QObject *parent)
    : QObject(parent)
{
    m_image.fill(0xFF);
}

bool CProgramDoc::OnNewDocument()
{
    FillNewImageDefaults(m_image);
    m_title = LangText("Channel Information", "信道信息");
    m_pathName = g_iniFile.GetValue(QStringLiteral("Setup"), QStringLiteral("AppName"));
    m_untitled = true;
    g_bNewImage = true;
    return true;
}

DatResult CProgramDoc::OnOpenDocument(const QString &path)
{
    MemoryImage loaded;
    DatResult result = LoadDatFile(path, loaded);
    if (!result.ok())
        return result;
    m_image = loaded;
    m_pathName = path;
    m_untitled = false;
    g_bNewImage = false;
    SetModifiedFlag(false);
    return result;
}

DatResult CProgramDoc::OnSaveDocument(const QString &path)
{
    Q_EMIT aboutToSave();
    DatResult result = SaveDatFile(path, m_image);
    if (result.ok()) {
        m_pathName = path;
        m_untitled = false;
        SetModifiedFlag(false);
    }
    return result;
}

void CProgramDoc::replaceImage(const MemoryImage &image)
{
    const bool changed = image != m_image;
    m_image = image;
    Q_EMIT imageReplaced();
    if (changed)
        SetModifiedFlag(true);
}

void CProgramDoc::SetModifiedFlag(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    Q_EMIT modifiedChanged(modified);
}
