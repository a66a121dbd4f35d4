#include "document/programdoc.h"

#include "channels/channelcolumns.h"
#include "codecs/productcodec.h"
#include "files/filelock.h"
#include "settings/inifile.h"
#include "settings/language.h"
#include "settings/usersettings.h"

#include <QUndoCommand>

bool g_bNewImage = false;

namespace {
constexpr int kSaveLockWaitMs = 2000; // the GUI waits no longer for another process
} // namespace

// One change of the document: the delta between the state before and after.
class DocumentCommand : public QUndoCommand
{
public:
    DocumentCommand(CProgramDoc *document, const QString &text, StateDelta delta, bool whole)
        : QUndoCommand(text)
        , m_document(document)
        , m_delta(std::move(delta))
        , m_whole(whole)
    { }

    void redo() override { m_document->apply(m_delta, true, m_whole); }
    void undo() override { m_document->apply(m_delta, false, m_whole); }

private:
    CProgramDoc *m_document;
    StateDelta m_delta;
    bool m_whole;
};

CProgramDoc::CProgramDoc(QObject *parent)
    : QObject(parent)
{
    m_state.image.fill(0xFF);
    m_state.boxes = DecodeBands(m_state.image);
    connect(&m_undo, &QUndoStack::cleanChanged, this,
        [this](bool clean) { Q_EMIT modifiedChanged(!clean); });
}

CProgramDoc::~CProgramDoc()
{
    m_undo.blockSignals(true);
}

const MemoryImage &CProgramDoc::image() const
{
    if (!m_composedValid) {
        m_composed = ComposeImage(m_state);
        m_composedValid = true;
    }
    return m_composed;
}

DocumentState CProgramDoc::stateOf(const MemoryImage &raw) const
{
    DocumentState state = DecodeState(raw, g_bChinese);
    const ProductSelection perUser {UserSettings::ProductType(), UserSettings::ProductField()};
    const ProductSelection selection = RefreshedProductSelection(raw, g_bNewImage, perUser);
    // After the rows took the names: the range shares its bytes with the name slot
    // of record 106, whose name the table keeps and writes back when it is not empty.
    StoreProductSelection(state.image, selection, SelectedRange(g_iniFile, selection));
    return state;
}

void CProgramDoc::rememberProductSelection(const MemoryImage &raw)
{
    const ProductSelection selection = RefreshedProductSelection(raw, false, {});
    UserSettings::SetProductSelection(selection.type, selection.field);
}

void CProgramDoc::resetTo(const DocumentState &state)
{
    m_state = state;
    m_composedValid = false;
    m_undo.clear();
    Q_EMIT stateReset();
}

void CProgramDoc::startNew()
{
    m_title = LangText("Channel Information", "信道信息");
    m_pathName = g_iniFile.GetValue(QStringLiteral("Setup"), QStringLiteral("AppName"));
    m_untitled = true;
    m_fromFile = false;
    g_bNewImage = true;
}

bool CProgramDoc::OnNewDocument()
{
    startNew();
    resetTo(stateOf(NewImage()));
    return true;
}

void CProgramDoc::clearToNew()
{
    if (m_receiving)
        return;
    startNew();
    push(LangText("New image", "新建数据"), stateOf(NewImage()), true);
}

bool CProgramDoc::revertToSaved()
{
    if (!IsModified())
        return true;
    if (m_receiving)
        return false;
    if (m_undo.cleanIndex() >= 0) {
        m_undo.setIndex(m_undo.cleanIndex());
        return true;
    }
    MemoryImage saved;
    if (m_untitled || !LoadDatFile(m_pathName, saved).ok())
        return false;
    openImage(saved);
    return true;
}

void CProgramDoc::setReceiving(bool receiving)
{
    if (m_receiving == receiving)
        return;
    m_receiving = receiving;
    Q_EMIT receivingChanged(receiving);
}

Status CProgramDoc::OnOpenDocument(const QString &path)
{
    MemoryImage loaded;
    const Status result = LoadDatFile(path, loaded);
    if (!result.ok())
        return result;
    m_pathName = path;
    m_untitled = false;
    openImage(loaded);
    return result;
}

void CProgramDoc::openImage(const MemoryImage &raw)
{
    g_bNewImage = false;
    rememberProductSelection(raw);
    resetTo(stateOf(raw));
    m_fromFile = true;
    m_fileAtOpen = raw;
    m_imageAtOpen = image();
}

Status CProgramDoc::OnSaveDocument(const QString &path, bool replaceAnySize)
{
    // Another process (htprog-cli import, a second program) changing the same
    // file waits for this save, and this save for it.
    FileLock lock(path);
    const Status locked = lock.lock(kSaveLockWaitMs);
    if (!locked.ok())
        return locked;
    const Status result = SaveDatFile(path, image(), replaceAnySize);
    if (result.ok()) {
        m_pathName = path;
        m_untitled = false;
        m_undo.setClean();
    }
    return result;
}

QString CProgramDoc::cellCommandText(int record, int column, bool cleared)
{
    const QString channel = RowLabel(record).trimmed();
    if (cleared)
        return LangText("Clear channel %1", "清除信道%1").arg(channel);
    return LangText("Edit %1 of channel %2", "编辑信道%2的%1")
        .arg(ColumnHeader(column, g_bChinese), channel);
}

bool CProgramDoc::commitCell(int record, int column, const ChannelTexts &row)
{
    if (record < 0 || record >= ImageMap::kChannelCount || row == m_state.rows.at(record))
        return false;
    const bool cleared = row[kColRx].isEmpty() && !m_state.rows.at(record)[kColRx].isEmpty();
    DocumentState after = m_state;
    after.rows[record] = row;
    return push(cellCommandText(record, column, cleared), after, false);
}

bool CProgramDoc::setBands(const BandBoxes &boxes)
{
    DocumentState after = m_state;
    after.boxes = boxes;
    return push(LangText("Edit band limits", "编辑频段范围"), after, false);
}

bool CProgramDoc::changeBytes(const MemoryImage &updated, const QString &text)
{
    const MemoryImage &current = image();
    DocumentState after = m_state;
    for (int address = 0; address < kImageSize; ++address) {
        if (updated[address] != current[address])
            after.image[address] = updated[address];
    }
    return push(text, after, false);
}

bool CProgramDoc::changeState(const DocumentState &after, const QString &text)
{
    return push(text, after, true);
}

void CProgramDoc::replaceFromRadio(const MemoryImage &raw)
{
    g_bNewImage = false;
    m_fromFile = false;
    rememberProductSelection(raw);
    if (!push(LangText("Read from radio", "从电台读数据"), stateOf(raw), true))
        Q_EMIT stateReset(); // the same data again: the views still take it anew
}

bool CProgramDoc::push(const QString &text, const DocumentState &after, bool whole)
{
    if (m_receiving)
        return false;
    StateDelta delta = DiffStates(m_state, after);
    if (delta.isEmpty())
        return false;
    m_undo.push(new DocumentCommand(this, text, std::move(delta), whole));
    return true;
}

void CProgramDoc::apply(const StateDelta &delta, bool forward, bool whole)
{
    ApplyDelta(m_state, delta, forward);
    m_composedValid = false;
    if (whole) {
        Q_EMIT stateReset();
        return;
    }
    if (!delta.rows.isEmpty())
        Q_EMIT rowsChanged(delta.rows.constFirst().record, delta.rows.constLast().record);
    if (delta.bandsChanged)
        Q_EMIT bandsChanged();
}
