// A style that answers one style hint with a value of its own and leaves everything
// else to the application's style: the channel grid's pick lists open as a short
// scrolling list, a maximised document window keeps its own title bar.
#pragma once

#include <QStyle>

// One style per hint and value, owned by the application; a widget takes it with setStyle.
QStyle *StyleWithHint(QStyle::StyleHint hint, int value);
