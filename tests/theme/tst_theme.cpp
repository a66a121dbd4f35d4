#include "document/programdoc.h"
#include "grid/gridsetup.h"
#include "printview/printdocument.h"
#include "settings/usersettings.h"
#include "theme/theme.h"

#include <QApplication>
#include <QHeaderView>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QStyle>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>

using Theme::Kind;
using Theme::Role;

Q_DECLARE_METATYPE(Theme::Kind)
Q_DECLARE_METATYPE(Theme::Role)

namespace {

// Relative luminance and contrast ratio as the web accessibility guidelines
// define them: (L1 + 0.05) / (L2 + 0.05), L1 the lighter.
double Luminance(const QColor &colour)
{
    auto linear
        = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
        + 0.0722 * linear(colour.blueF());
}

double Contrast(const QColor &a, const QColor &b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

const char *KindName(Kind kind)
{
    const char *names[] = {"System", "Light", "Dark"};
    return names[int(kind)];
}

} // namespace

class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { Theme::Choose(Kind::System); }
    void choiceStoredAndApplied_data();
    void choiceStoredAndApplied();
    void textsReadable_data();
    void textsReadable();
    void openWindowsFollow();
    void printPreviewPaperStaysWhite();

private:
    QString m_systemStyle;
    QPalette m_systemPalette;
};

void TestTheme::initTestCase()
{
    m_systemStyle = QApplication::style()->name();
    m_systemPalette = QApplication::palette();
    QCOMPARE(Theme::Stored(), Kind::System);
}

void TestTheme::choiceStoredAndApplied_data()
{
    QTest::addColumn<QList<Kind>>("choices");
    QTest::newRow("light") << QList<Kind> {Kind::Light};
    QTest::newRow("dark") << QList<Kind> {Kind::Dark};
    QTest::newRow("back to the system's after dark") << QList<Kind> {Kind::Dark, Kind::System};
    QTest::newRow("dark after light") << QList<Kind> {Kind::Light, Kind::Dark};
}

void TestTheme::choiceStoredAndApplied()
{
    QFETCH(QList<Kind>, choices);
    for (Kind kind : choices)
        Theme::Choose(kind);
    const Kind kind = choices.last();
    QCOMPARE(UserSettings::ColourTheme(), QString::fromLatin1(KindName(kind)));
    QCOMPARE(Theme::Stored(), kind);
    QCOMPARE(Theme::Active(), kind);
    const QPalette expected = kind == Kind::System ? m_systemPalette : Theme::PaletteOf(kind);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Text,
             QPalette::ButtonText, QPalette::Highlight, QPalette::Link})
        QCOMPARE(QApplication::palette().color(role), expected.color(role));
    QCOMPARE(QApplication::style()->name().toLower(),
        kind == Kind::System ? m_systemStyle.toLower() : QStringLiteral("fusion"));

    // An unknown stored name starts with the system's look.
    UserSettings::SetColourTheme(QStringLiteral("Sepia"));
    QCOMPARE(Theme::Stored(), Kind::System);
}

void TestTheme::textsReadable_data()
{
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("background");
    const char *roleNames[] = {"grid fixed text", "error mark", "warning mark", "help heading",
        "help table heading", "help note", "help small print", "line icons"};
    for (Kind kind : {Kind::System, Kind::Light, Kind::Dark}) {
        for (Role role : Theme::kAllRoles) {
            const Theme::RoleColours colours = Theme::Colours(role, kind);
            QTest::addRow("%s: %s", KindName(kind), roleNames[int(role)])
                << colours.text << colours.background;
        }
    }
    // The dark palette itself: every text on the face it is drawn on.
    const QPalette dark = Theme::PaletteOf(Kind::Dark);
    const struct
    {
        const char *name;
        QPalette::ColorRole text, background;
    } pairs[] = {{"window text", QPalette::WindowText, QPalette::Window},
        {"text", QPalette::Text, QPalette::Base},
        {"alternate rows", QPalette::Text, QPalette::AlternateBase},
        {"button text", QPalette::ButtonText, QPalette::Button},
        {"highlighted text", QPalette::HighlightedText, QPalette::Highlight},
        {"tool tip", QPalette::ToolTipText, QPalette::ToolTipBase},
        {"link", QPalette::Link, QPalette::Base},
        {"visited link", QPalette::LinkVisited, QPalette::Base},
        {"placeholder", QPalette::PlaceholderText, QPalette::Base}};
    for (const auto &pair : pairs) {
        QTest::addRow("Dark palette: %s", pair.name)
            << dark.color(pair.text) << dark.color(pair.background);
    }
    QTest::addRow("Dark palette: disabled text")
        << dark.color(QPalette::Disabled, QPalette::Text) << dark.color(QPalette::Base);
}

void TestTheme::textsReadable()
{
    QFETCH(QColor, text);
    QFETCH(QColor, background);
    const double ratio = Contrast(text, background);
    QVERIFY2(ratio >= 4.5,
        qPrintable(QStringLiteral("%1 on %2: %3:1")
                       .arg(text.name(), background.name())
                       .arg(ratio, 0, 'f', 2)));
}

// Windows already open take the new colours: the grid's header keeps its own
// text colour over the application palette, the help pages and the line icons
// set their own.
void TestTheme::openWindowsFollow()
{
    QTableView table;
    GridSetup::Apply(&table);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    const QColor lightText = table.horizontalHeader()->palette().color(QPalette::ButtonText);
    QCOMPARE(lightText, Theme::Colours(Role::GridFixedText, Kind::System).text);

    // A line icon: dark lines on nothing.
    QTemporaryDir dir;
    QImage lines(16, 16, QImage::Format_ARGB32);
    lines.fill(Qt::transparent);
    for (int i = 0; i < 16; ++i)
        lines.setPixelColor(i, i, QColor(0x33, 0x38, 0x40));
    const QString file = dir.filePath(QStringLiteral("lines.png"));
    QVERIFY(lines.save(file));
    const QIcon icon = Theme::GlyphIcon(file);
    auto lineColour = [&icon](QIcon::Mode mode) {
        return icon.pixmap(QSize(16, 16), 1.0, mode).toImage().pixelColor(5, 5);
    };
    QCOMPARE(lineColour(QIcon::Normal), QColor(0x33, 0x38, 0x40));

    const QString page = QStringLiteral(
        "<style>h1{color:#1f3d66} th{background:#e9eef5} .note{background-color:#fdf5dc} "
        ".small{color:#444} td{border-bottom:1px solid #ccd}</style><h1>Title</h1><p>Radio "
        "#444</p>");
    QCOMPARE(Theme::ThemedHelpPage(page), page);

    Theme::Choose(Kind::Dark);
    QCoreApplication::processEvents(); // windows take the new palette from the event loop
    for (QHeaderView *header : {table.horizontalHeader(), table.verticalHeader()}) {
        QCOMPARE(header->palette().color(QPalette::ButtonText),
            Theme::Colours(Role::GridFixedText, Kind::Dark).text);
        QCOMPARE(header->palette().color(QPalette::Button),
            Theme::PaletteOf(Kind::Dark).color(QPalette::Button));
    }
    const QString dark = Theme::ThemedHelpPage(page);
    for (const char *light : {"#1f3d66", "#e9eef5", "#fdf5dc", "#444", "#ccd"})
        QVERIFY2(
            !dark.section(QStringLiteral("</style>"), 0, 0).contains(QLatin1String(light)), light);
    QVERIFY(dark.contains(Theme::Colours(Role::HelpHeading).text.name()));
    QVERIFY(dark.contains(QStringLiteral("</style><h1>Title</h1><p>Radio #444</p>")));
    QCOMPARE(lineColour(QIcon::Normal), Theme::Colours(Role::IconGlyph, Kind::Dark).text);
    QCOMPARE(lineColour(QIcon::Disabled),
        Theme::PaletteOf(Kind::Dark).color(QPalette::Disabled, QPalette::WindowText));
}

// The preview shows the page as it prints: white paper with black text, whatever
// the windows around it look like.
void TestTheme::printPreviewPaperStaysWhite()
{
    Theme::Choose(Kind::Dark);
    CProgramDoc doc;
    doc.openImage(NewImage());
    int white = -1, total = 0;
    QTimer::singleShot(300, [&] {
        auto *dialog = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (auto *preview = dialog->findChild<QPrintPreviewWidget *>()) {
            const QImage shot = preview->grab().toImage();
            white = 0;
            for (int y = 0; y < shot.height(); y += 2) {
                for (int x = 0; x < shot.width(); x += 2, ++total)
                    white += shot.pixelColor(x, y) == QColor(Qt::white);
            }
        }
        dialog->reject();
    });
    PreviewDocument(nullptr, &doc);
    QVERIFY2(white >= 0, "no preview shown");
    // The paper fills a good part of the preview; without it nothing there is white.
    QVERIFY2(white * 5 > total, qPrintable(QStringLiteral("%1 of %2").arg(white).arg(total)));
}

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
