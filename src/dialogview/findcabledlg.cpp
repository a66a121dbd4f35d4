#include "dialogview/findcabledlg.h"

#include "link/comport.h"
#include "settings/language.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

CFindCableDlg::CFindCableDlg(PortLister lister, int timeoutMs, QWidget *parent)
    : QDialog(parent)
    , m_lister(std::move(lister))
    , m_timeoutMs(timeoutMs)
    , m_step(new QLabel(this))
    , m_timer(new QTimer(this))
{
    setWindowTitle(LangText("Find My Cable", "查找写频线"));
    m_step->setWordWrap(true);
    m_step->setMinimumWidth(360);
    auto *buttons = new QDialogButtonBox(this);
    m_next = buttons->addButton(LangText("Next", "下一步"), QDialogButtonBox::ActionRole);
    QPushButton *cancel
        = buttons->addButton(LangText("Cancel", "取消"), QDialogButtonBox::RejectRole);
    connect(m_next, &QPushButton::clicked, this, &CFindCableDlg::waitForPlug);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_timer->setInterval(kPollMs);
    connect(m_timer, &QTimer::timeout, this, &CFindCableDlg::poll);
    connect(this, &QDialog::finished, m_timer, &QTimer::stop);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_step);
    layout->addWidget(buttons);
    askToUnplug(QString());
}

QStringList CFindCableDlg::portNames() const
{
    QStringList names;
    for (const PortEntry &entry : m_lister())
        names << entry.name;
    return names;
}

void CFindCableDlg::askToUnplug(const QString &before)
{
    m_timer->stop();
    const QString ask = LangText("Unplug the programming cable from the computer, then press Next.",
        "请从电脑上拔下写频线，然后按“下一步”。");
    m_step->setText(before.isEmpty() ? ask : before + QStringLiteral("\n\n") + ask);
    m_next->setEnabled(true);
    m_next->setFocus();
}

void CFindCableDlg::waitForPlug()
{
    m_unplugged = portNames();
    m_next->setEnabled(false);
    m_waiting.start();
    m_timer->start();
    poll();
}

void CFindCableDlg::poll()
{
    for (const QString &name : portNames()) {
        if (!m_unplugged.contains(name)) {
            m_found = name;
            m_timer->stop();
            accept();
            return;
        }
    }
    const qint64 left = m_timeoutMs - m_waiting.elapsed();
    if (left <= 0) {
        askToUnplug(LangText("No new port appeared within %1 seconds. Check that the cable is "
                             "plugged in firmly.",
            "%1 秒内没有出现新的串口。请检查写频线是否插牢。")
                        .arg((m_timeoutMs + 999) / 1000));
        return;
    }
    m_step->setText(LangText("Now plug the cable in. Waiting for its port to appear (%1 s)…",
        "现在插上写频线。正在等待它的串口出现（%1 秒）……")
                        .arg((left + 999) / 1000));
}
