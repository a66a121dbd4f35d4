// Every dialog on a small screen (1366 x 768 shown at twice the size): its frame
// lies within the screen's available area and its push buttons are whole and
// inside it; a size the user gives a dialog comes back next time, shrunk to the
// screen.
#include "app/aboutdlg.h"
#include "app/languagedlg.h"
#include "channels/channelcolumns.h"
#include "compare/imagediff.h"
#include "dialogview/backupsdlg.h"
#include "dialogview/checkplandlg.h"
#include "dialogview/comparedlg.h"
#include "dialogview/comsetupdlg.h"
#include "dialogview/csvimportdlg.h"
#include "dialogview/findcabledlg.h"
#include "dialogview/fleetwritedlg.h"
#include "dialogview/optionfeaturesdlg.h"
#include "dialogview/processdlg.h"
#include "dialogview/productinfodlg.h"
#include "dialogview/sqladjustdlg.h"
#include "dialogview/writepreviewdlg.h"
#include "document/programdoc.h"
#include "link/comport.h"
#include "settings/inifile.h"
#include "settings/language.h"
#include "settings/usersettings.h"
#include "support/testfiles.h"
#include "uiservices/dialogfit.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QWindow>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

constexpr QSize kScreen(683, 384);

using MakeDialog = std::function<QDialog *(CProgramDoc *, QWidget *)>;

MemoryImage Scrambled(const MemoryImage &image)
{
    MemoryImage other = image;
    for (int at = 0; at < int(other.size()); ++at)
        other[at] = quint8(other[at] ^ (at * 37));
    return other;
}

ImageDiff LongDiff(const CProgramDoc *doc)
{
    return DiffImages(doc->image(), Scrambled(doc->image()), g_bChinese, g_iniFile);
}

QByteArray RefusedLines()
{
    QByteArray csv = "CH,Name,Rx,Tx\n";
    for (int line = 1; line <= 60; ++line)
        csv += QByteArray::number(line) + ",NAME,999.5,abc\n";
    return csv;
}

const struct
{
    const char *name;
    MakeDialog make;
} kDialogs[] = {
    {"import preview",
        [](CProgramDoc *doc, QWidget *parent) -> QDialog * {
            return new CCsvImportDlg(doc, RefusedLines(), QStringLiteral("long.csv"), parent);
        }},
    {"optional features",
        [](CProgramDoc *doc, QWidget *parent) -> QDialog * {
            return new COptionFeaturesDlg(doc, parent);
        }},
    {"product info",
        [](CProgramDoc *doc, QWidget *parent) -> QDialog * {
            return new CProductInfoDlg(doc, parent);
        }},
    {"sql adjust",
        [](CProgramDoc *doc, QWidget *parent) -> QDialog * {
            return new CSqlAdjustDlg(doc, parent);
        }},
    {"compare",
        [](CProgramDoc *doc, QWidget *parent) -> QDialog * {
            return new CCompareDlg(
                LongDiff(doc), QStringLiteral("a.dat"), QStringLiteral("b.dat"), parent);
        }},
    {"check channel plan",
        [](CProgramDoc *doc, QWidget *parent) -> QDialog * {
            doc->changeBytes(Scrambled(doc->image()), QStringLiteral("Scramble"));
            return new CCheckPlanDlg(doc, parent);
        }},
    {"write preview",
        [](CProgramDoc *doc, QWidget *parent) -> QDialog * {
            return new CWritePreviewDlg(LongDiff(doc), QDateTime::currentDateTime(), parent);
        }},
    {"write to several radios",
        [](CProgramDoc *doc, QWidget *parent) -> QDialog * {
            return new CFleetWriteDlg(doc->image(), parent);
        }},
    {"find my cable",
        [](CProgramDoc *, QWidget *parent) -> QDialog * {
            return new CFindCableDlg([] { return QList<PortEntry>(); }, 30000, parent);
        }},
    {"com setup",
        [](CProgramDoc *, QWidget *parent) -> QDialog * {
            QList<PortEntry> ports;
            for (int n = 0; n < 12; ++n)
                ports.append({QStringLiteral("/dev/ttyUSB%1").arg(n),
                    QStringLiteral("USB serial adapter with a long description %1").arg(n)});
            return new CComSetupDlg(ports, parent);
        }},
    {"backups",
        [](CProgramDoc *, QWidget *parent) -> QDialog * {
            QVector<BackupEntry> entries(40);
            for (int n = 0; n < entries.size(); ++n)
                entries[n].time = QDateTime::currentDateTime().addSecs(-60 * n);
            return new CBackupsDlg(entries, QStringLiteral("/home/user/backups"),
                CBackupsDlg::Purpose::Compare, parent);
        }},
    {"language",
        [](CProgramDoc *, QWidget *parent) -> QDialog * { return new CLanguageDlg(parent); }},
    {"about", [](CProgramDoc *, QWidget *parent) -> QDialog * { return new CAboutDlg(parent); }},
    {"transfer",
        [](CProgramDoc *doc, QWidget *parent) -> QDialog * {
            return new CProcessDlg(doc, CProcessDlg::Direction::Write, parent);
        }},
};

// Every push button outside a scroll area lies whole within the dialog, at no
// less than the size it needs.
void VerifyButtonsReachable(const QDialog *dialog)
{
    for (const QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (!button->isVisibleTo(dialog))
            continue;
        bool scrolled = false;
        for (const QWidget *w = button->parentWidget(); w != dialog; w = w->parentWidget())
            scrolled = scrolled || qobject_cast<const QAbstractScrollArea *>(w);
        if (scrolled)
            continue;
        const QRect at(button->mapTo(dialog, QPoint()), button->size());
        QVERIFY2(dialog->rect().contains(at), qPrintable(button->text()));
        QVERIFY2(button->width() >= button->minimumSizeHint().width(), qPrintable(button->text()));
    }
}

} // namespace

class TestDialogFit : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CProgramDoc> m_doc;
    std::unique_ptr<QWidget> m_frame; // the main window the dialogs open over

    QRect available() const { return m_frame->screen()->availableGeometry(); }

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void dialogFitsSmallScreen_data();
    void dialogFitsSmallScreen();
    void userSizeRememberedAndClamped();
    void checkPlanShowsWholeTexts();
};

void TestDialogFit::initTestCase()
{
    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), kScreen);
    DialogFit::installForApplication();
}

void TestDialogFit::init()
{
    QVERIFY(LoadTestIni(m_dir.path()));
    SetLanguageState(QStringLiteral("English"));
    m_doc = std::make_unique<CProgramDoc>();
    m_doc->OnNewDocument();
    m_frame = std::make_unique<QWidget>();
    m_frame->setGeometry(available());
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
}

void TestDialogFit::cleanup()
{
    m_frame.reset();
    m_doc.reset();
}

void TestDialogFit::dialogFitsSmallScreen_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("language");
    for (const QString &language : {QStringLiteral("English"), QStringLiteral("Chinese")}) {
        for (int index = 0; index < int(std::size(kDialogs)); ++index) {
            QTest::addRow("%s, %s", kDialogs[index].name, qPrintable(language))
                << index << language;
        }
    }
}

void TestDialogFit::dialogFitsSmallScreen()
{
    QFETCH(int, index);
    QFETCH(QString, language);
    SetLanguageState(language);
    std::unique_ptr<QDialog> dialog(kDialogs[index].make(m_doc.get(), m_frame.get()));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    const QRect frame = dialog->windowHandle()->frameGeometry();
    QVERIFY2(available().contains(frame),
        qPrintable(QStringLiteral("%1,%2 %3x%4")
                       .arg(frame.x())
                       .arg(frame.y())
                       .arg(frame.width())
                       .arg(frame.height())));
    VerifyButtonsReachable(dialog.get());
}

// A size the user chose comes back; one chosen on a bigger screen comes back
// shrunk to this one, and is kept for the bigger screen unless changed here.
void TestDialogFit::userSizeRememberedAndClamped()
{
    const QString key = QStringLiteral("CBackupsDlg");
    UserSettings::SetDialogSize(key, QSize());
    const auto open = [this] {
        auto dialog = std::make_unique<CBackupsDlg>(
            QVector<BackupEntry>(), m_dir.path(), CBackupsDlg::Purpose::Open, m_frame.get());
        dialog->show();
        return dialog;
    };
    auto first = open();
    first->resize(480, 300);
    first->hide();
    QCOMPARE(open()->size(), QSize(480, 300));

    UserSettings::SetDialogSize(key, QSize(1800, 1000));
    auto second = open();
    QVERIFY(available().contains(second->windowHandle()->frameGeometry()));
    second->hide();
    QCOMPARE(UserSettings::DialogSize(key), QSize(1800, 1000));
}

// The check window's problem texts, the long out-of-band ones included, show
// whole at the window's first size.
void TestDialogFit::checkPlanShowsWholeTexts()
{
    DocumentState state = m_doc->state();
    for (int record = 1; record <= 20; ++record)
        state.rows[record][kColRx] = state.rows[record][kColTx] = QStringLiteral("155.16000");
    state.boxes = {136, 148, 400, 480};
    QVERIFY(m_doc->changeState(state, QStringLiteral("Plan")));
    CCheckPlanDlg dialog(m_doc.get(), m_frame.get());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const auto *list = dialog.findChild<QTreeWidget *>();
    const int lines = list->fontMetrics().lineSpacing();
    int wrapped = 0;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = list->topLevelItem(row);
        const QString text = item->text(3);
        const int needed = list->fontMetrics()
                               .boundingRect(QRect(0, 0, list->columnWidth(3) - 8, 100 * lines),
                                   Qt::TextWordWrap, text)
                               .height();
        wrapped += needed > lines ? 1 : 0;
        QVERIFY2(list->visualItemRect(item).height() >= needed, qPrintable(text));
    }
    QVERIFY(wrapped > 0);
}

int main(int argc, char *argv[])
{
    // A screen of the size a 1366 x 768 display gives at twice the scale.
    QTemporaryDir config;
    const QString path = config.filePath(QStringLiteral("screen.json"));
    const QByteArray screen
        = QStringLiteral("{\"screens\": [{\"name\": \"small\", \"x\": 0, \"y\": "
                         "0, \"width\": %1, \"height\": %2}]}")
              .arg(kScreen.width())
              .arg(kScreen.height())
              .toUtf8();
    if (!WriteFile(path, screen))
        return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(path));
    QApplication app(argc, argv);
    TestDialogFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dialogfit.moc"
