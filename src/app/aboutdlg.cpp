#include "app/aboutdlg.h"

#include "settings/language.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace {

// The second and third lines read "&" as a mnemonic marker, as the dialog's
// labels always have: "&&" shows one ampersand, a single "&" shows nothing.
QString WithoutMnemonics(const QString &text)
{
    QString shown;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && ++i == text.size())
            break;
        shown += text.at(i);
    }
    return shown;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(LanguageValue(QStringLiteral("About Title")));

    auto *icon = new QLabel(this);
    QPixmap picture(QDir::current().filePath(QStringLiteral("title.ico")));
    m_titleIcon = !picture.isNull();
    if (!m_titleIcon)
        picture = QIcon(QStringLiteral(":/icons/htprog.svg")).pixmap(48, 48);
    icon->setPixmap(picture.scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    const char *keys[] = {"Version", "Copyrights", "Copyrights Owner"};
    auto *layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);
    layout->addWidget(icon, 0, 0, 3, 1);
    for (int i = 0; i < 3; ++i) {
        const QString text = LanguageValue(QString::fromLatin1(keys[i]));
        m_lines[i] = new QLabel(i == 0 ? text : WithoutMnemonics(text), this);
        m_lines[i]->setTextFormat(Qt::PlainText);
        m_lines[i]->setMinimumWidth(260);
        layout->addWidget(m_lines[i], i, 1);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, Qt::Vertical, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons, 0, 2, 3, 1, Qt::AlignTop);
}

QString CAboutDlg::lineText(int line) const
{
    return line >= 0 && line < 3 ? m_lines[line]->text() : QString();
}
