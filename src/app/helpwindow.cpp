#include "app/helpwindow.h"

#include "theme/theme.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// Shows the help pages in the colours of the active theme.
class ThemedBrowser : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl &name) override
    {
        const QVariant resource = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::HtmlResource)
            return resource;
        const QString html = resource.userType() == QMetaType::QByteArray
            ? QString::fromUtf8(resource.toByteArray())
            : resource.toString();
        return Theme::ThemedHelpPage(html);
    }
};

} // namespace

CHelpWindow::CHelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("Help"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(640, 520);

    m_browser = new ThemedBrowser(this);
    m_browser->setOpenExternalLinks(false);
    connect(Theme::Signals::instance(), &Theme::Signals::changed, m_browser, [this] {
        if (!m_browser->source().isEmpty())
            m_browser->reload();
    });
    auto *back = new QPushButton(tr("&Back"), this);
    auto *contents = new QPushButton(tr("C&ontents"), this);
    auto *close = new QPushButton(tr("&Close"), this);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    back->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] {
        if (!m_contents.isEmpty())
            m_browser->setSource(QUrl::fromLocalFile(m_contents));
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_browser, &QTextBrowser::sourceChanged, this,
        [this] { setWindowTitle(m_browser->documentTitle()); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(contents);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser, 1);
}

void CHelpWindow::showPage(const QString &file)
{
    m_contents = QFileInfo(file).dir().filePath(QStringLiteral("index.html"));
    m_browser->setSearchPaths({QFileInfo(file).absolutePath()});
    m_browser->setSource(QUrl::fromLocalFile(file));
    show();
    raise();
    activateWindow();
}

QString CHelpWindow::currentPage() const
{
    return m_browser->source().toLocalFile();
}
