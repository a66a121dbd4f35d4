// The program's colours in one place. The user chooses a theme per user (View >
// Theme): System keeps the platform's style and palette, Light and Dark put the
// Fusion style with an explicit palette on every window. Every colour the program
// draws itself is a role here, given with the background it is drawn on, so each
// theme can keep its texts readable. The print-out never takes these colours: its
// paper is white with black text in every theme.
#pragma once

#include <QColor>
#include <QIcon>
#include <QObject>
#include <QPalette>
#include <QString>

namespace Theme {

enum class Kind { System, Light, Dark };

enum class Role {
    GridFixedText, // header row and label column of the grids, on the header's face
    ErrorMark, // label of a channel the radio refuses
    WarningMark, // label of a channel with a warning (repeated channel, name used twice)
    HelpHeading, // help page headings, on the page
    HelpTableHeader, // help page table headings
    HelpNote, // help page notes
    HelpSmallText, // help page small print, on the page
    IconGlyph, // one-colour line icons (close, undo, redo) on the window
};
constexpr Role kAllRoles[] = {Role::GridFixedText, Role::ErrorMark, Role::WarningMark,
    Role::HelpHeading, Role::HelpTableHeader, Role::HelpNote, Role::HelpSmallText, Role::IconGlyph};

struct RoleColours
{
    QColor text;
    QColor background;
};

// The stored choice ("System", "Light", "Dark"); System when none or unknown.
Kind Stored();
// The theme the windows show now.
Kind Active();
// Puts the theme's style and palette on the application and every open window,
// then emits Signals::changed. Choosing System again brings back the platform's
// own style and palette as they were before any other theme.
void Apply(Kind kind);
// Stores the choice for the user and applies it.
void Choose(Kind kind);

// The application palette of a theme (System: the platform's).
QPalette PaletteOf(Kind kind);
RoleColours Colours(Role role, Kind kind);
RoleColours Colours(Role role); // of the active theme

// An icon of one-colour lines: as drawn in a light theme, in the glyph colour in
// a dark one (it follows later choices too).
QIcon GlyphIcon(const QString &file);

// A help page with its own colours replaced by the active theme's roles.
QString ThemedHelpPage(const QString &html);

// Tells the windows that draw role colours to take them anew.
class Signals : public QObject
{
    Q_OBJECT

public:
    static Signals *instance();

Q_SIGNALS:
    void changed();

private:
    using QObject::QObject;
};

} // namespace Theme
