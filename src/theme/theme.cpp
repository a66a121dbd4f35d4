#include "theme/theme.h"

#include "settings/usersettings.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleFactory>

namespace Theme {
namespace {

const char *const kNames[] = {"System", "Light", "Dark"};
const QString kThemedStyle = QStringLiteral("Fusion");

// The platform's look, taken before any theme replaces it.
struct SystemLook
{
    QString style;
    QPalette palette;
};

const SystemLook &System()
{
    static const SystemLook look {QApplication::style()->name(), QApplication::palette()};
    return look;
}

Kind &ActiveKind()
{
    static Kind kind = Kind::System;
    return kind;
}

// The light palette the program has always had: the Fusion style's own.
QPalette LightPalette()
{
    const QColor window(239, 239, 239);
    const QColor disabledText(190, 190, 190);
    const QColor dark = window.darker(150);
    const QColor shadow = dark.darker(135);
    const QColor mid = window.darker(130);
    QPalette p(Qt::black, window, window.lighter(150), dark, mid, Qt::black, Qt::white);
    p.setColor(QPalette::Midlight, mid.lighter(110));
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::Shadow, shadow);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Disabled, QPalette::Text, disabledText);
    p.setColor(QPalette::Disabled, QPalette::WindowText, disabledText);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, disabledText);
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    p.setColor(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    p.setColor(QPalette::Disabled, QPalette::Shadow, shadow.lighter(150));
    p.setColor(QPalette::Active, QPalette::Highlight, QColor(48, 140, 198));
    p.setColor(QPalette::Inactive, QPalette::Highlight, QColor(48, 140, 198));
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    p.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    p.setColor(QPalette::ToolTipText, Qt::black);
    QColor placeholder(Qt::black);
    placeholder.setAlpha(128);
    p.setColor(QPalette::PlaceholderText, placeholder);
    return p;
}

QPalette DarkPalette()
{
    const QColor window(0x35, 0x35, 0x35);
    const QColor base(0x26, 0x26, 0x26);
    const QColor text(0xE6, 0xE6, 0xE6);
    const QColor disabledText(0x8C, 0x8C, 0x8C);
    QPalette p(text, window, QColor(0x4A, 0x4A, 0x4A), QColor(0x1E, 0x1E, 0x1E),
        QColor(0x2B, 0x2B, 0x2B), text, base);
    p.setColor(QPalette::Midlight, QColor(0x40, 0x40, 0x40));
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Shadow, QColor(0x14, 0x14, 0x14));
    p.setColor(QPalette::AlternateBase, QColor(0x30, 0x30, 0x30));
    p.setColor(QPalette::BrightText, QColor(0xFF, 0x8A, 0x8A));
    p.setColor(QPalette::Highlight, QColor(0x1F, 0x5F, 0xA6));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x8A, 0xB4, 0xF8));
    p.setColor(QPalette::LinkVisited, QColor(0xC5, 0x9A, 0xF9));
    p.setColor(QPalette::ToolTipBase, QColor(0x42, 0x42, 0x42));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(0x9A, 0x9A, 0x9A));
    p.setColor(QPalette::Disabled, QPalette::Text, disabledText);
    p.setColor(QPalette::Disabled, QPalette::WindowText, disabledText);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, disabledText);
    p.setColor(QPalette::Disabled, QPalette::Base, QColor(0x2E, 0x2E, 0x2E));
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x50, 0x50, 0x50));
    p.setColor(QPalette::Disabled, QPalette::HighlightedText, disabledText);
    return p;
}

// A platform palette with a dark face gets the dark role colours, so that the
// program's own colours stay readable there too.
bool LooksDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

// The colours the help pages set themselves, in the order of the roles below.
const char *const kHelpColours[] = {"#1f3d66", "#e9eef5", "#fdf5dc", "#444", "#ccd"};

bool DarkRoles(Kind kind)
{
    return kind == Kind::Dark || (kind == Kind::System && LooksDark(System().palette));
}

// Draws the icon as it is, or in a dark theme its shape in the glyph colour (a
// disabled one in the colour of disabled text).
class GlyphEngine : public QIconEngine
{
public:
    explicit GlyphEngine(const QIcon &icon)
        : m_icon(icon)
    { }

    QIconEngine *clone() const override { return new GlyphEngine(m_icon); }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        // The size is in device pixels already.
        if (!DarkRoles(Active()))
            return m_icon.pixmap(size, 1.0, mode, state);
        QPixmap shape = m_icon.pixmap(size, 1.0, QIcon::Normal, state);
        const QColor colour = mode == QIcon::Disabled
            ? QApplication::palette().color(QPalette::Disabled, QPalette::WindowText)
            : Colours(Role::IconGlyph).text;
        QPainter painter(&shape);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(shape.rect(), colour);
        painter.end();
        return shape;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device()->devicePixelRatioF();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return m_icon.actualSize(size, mode, state);
    }

private:
    QIcon m_icon;
};

} // namespace

Kind Stored()
{
    const QString name = UserSettings::ColourTheme();
    for (int i = 0; i < 3; ++i) {
        if (name.compare(QLatin1String(kNames[i]), Qt::CaseInsensitive) == 0)
            return Kind(i);
    }
    return Kind::System;
}

Kind Active()
{
    return ActiveKind();
}

void Apply(Kind kind)
{
    const SystemLook &system = System();
    if (kind == ActiveKind())
        return;
    ActiveKind() = kind;
    if (kind == Kind::System) {
        QApplication::setStyle(system.style);
        QApplication::setPalette(system.palette);
    } else {
        if (QApplication::style()->name().compare(kThemedStyle, Qt::CaseInsensitive) != 0)
            QApplication::setStyle(kThemedStyle);
        QApplication::setPalette(PaletteOf(kind));
    }
    Q_EMIT Signals::instance()->changed();
}

void Choose(Kind kind)
{
    UserSettings::SetColourTheme(QLatin1String(kNames[int(kind)]));
    Apply(kind);
}

QPalette PaletteOf(Kind kind)
{
    switch (kind) {
    case Kind::Light:
        return LightPalette();
    case Kind::Dark:
        return DarkPalette();
    case Kind::System:
        break;
    }
    return System().palette;
}

RoleColours Colours(Role role, Kind kind)
{
    const QPalette palette = PaletteOf(kind);
    const bool dark = DarkRoles(kind);
    const QColor fixedText = dark ? QColor(0x7F, 0xB2, 0xFF) : QColor(0, 50, 240);
    const QColor page = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    switch (role) {
    case Role::GridFixedText:
        return {fixedText, palette.color(QPalette::Button)};
    case Role::ErrorMark:
        return {fixedText, dark ? QColor(0x5A, 0x23, 0x23) : QColor(0xFF, 0xC8, 0xC8)};
    case Role::WarningMark:
        return {fixedText, dark ? QColor(0x47, 0x3C, 0x10) : QColor(0xFF, 0xE8, 0xA0)};
    case Role::HelpHeading:
        return {dark ? QColor(0x9C, 0xC3, 0xFF) : QColor(kHelpColours[0]), page};
    case Role::HelpTableHeader:
        return {text, dark ? QColor(0x2F, 0x3A, 0x4A) : QColor(kHelpColours[1])};
    case Role::HelpNote:
        return {text, dark ? QColor(0x4A, 0x40, 0x20) : QColor(kHelpColours[2])};
    case Role::HelpSmallText:
        return {dark ? QColor(0xB0, 0xB0, 0xB0) : QColor(kHelpColours[3]), page};
    case Role::IconGlyph:
        // In a light theme the icons keep their own colours, dark as this one.
        return {dark ? QColor(0xD8, 0xDC, 0xE2) : QColor(0x33, 0x38, 0x40),
            palette.color(QPalette::Window)};
    }
    return {text, page};
}

QIcon GlyphIcon(const QString &file)
{
    return QIcon(new GlyphEngine(QIcon(file)));
}

RoleColours Colours(Role role)
{
    return Colours(role, Active());
}

QString ThemedHelpPage(const QString &html)
{
    const Kind kind = Active();
    const int styleStart = html.indexOf(QLatin1String("<style"), 0, Qt::CaseInsensitive);
    const int styleEnd = html.indexOf(QLatin1String("</style>"), styleStart, Qt::CaseInsensitive);
    if (!DarkRoles(kind) || styleStart < 0 || styleEnd < 0)
        return html;
    const QColor replacements[] = {Colours(Role::HelpHeading).text,
        Colours(Role::HelpTableHeader).background, Colours(Role::HelpNote).background,
        Colours(Role::HelpSmallText).text, PaletteOf(kind).color(QPalette::Light)};
    // Only the page's style sheet: the text itself may well contain a "#444".
    QString style = html.mid(styleStart, styleEnd - styleStart);
    for (int i = 0; i < 5; ++i) {
        const QRegularExpression colour(
            QLatin1String(kHelpColours[i]) + QLatin1String("(?![0-9a-f])"),
            QRegularExpression::CaseInsensitiveOption);
        style.replace(colour, replacements[i].name());
    }
    return html.left(styleStart) + style + html.mid(styleEnd);
}

Signals *Signals::instance()
{
    static QPointer<Signals> notifier;
    if (!notifier)
        notifier = new Signals(qApp);
    return notifier;
}

} // namespace Theme
