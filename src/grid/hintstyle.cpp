#include "grid/hintstyle.h"

#include "theme/theme.h"

#include <QApplication>
#include <QHash>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>

namespace {

class HintStyle : public QProxyStyle
{
public:
    HintStyle(StyleHint hint, int value)
        : QProxyStyle(QApplication::style()->name())
        , m_hint(hint)
        , m_value(value)
    { }

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
        QStyleHintReturn *returnData) const override
    {
        if (hint == m_hint)
            return m_value;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    StyleHint m_hint;
    int m_value;
};

} // namespace

QStyle *StyleWithHint(QStyle::StyleHint hint, int value)
{
    static QHash<QPair<int, int>, QPointer<QStyle>> styles;
    QPointer<QStyle> &style = styles[qMakePair(int(hint), value)];
    if (!style) {
        auto *hintStyle = new HintStyle(hint, value);
        hintStyle->setParent(qApp);
        // A theme may change the application's style: the hint goes on over the new one.
        QObject::connect(
            Theme::Signals::instance(), &Theme::Signals::changed, hintStyle, [hintStyle] {
                hintStyle->setBaseStyle(QStyleFactory::create(QApplication::style()->name()));
            });
        style = hintStyle;
    }
    return style;
}
