#include "app/languagedlg.h"

#include "settings/language.h"
#include "uiservices/uiservices.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QRadioButton>
#include <QVBoxLayout>

CLanguageDlg::CLanguageDlg(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("languageDialog"));
    setWindowTitle(tr("Language"));
    setProperty("helpId", kHelpContext);
    m_english = new QRadioButton(tr("English"), this);
    m_english->setProperty("helpId", 1006);
    m_chinese = new QRadioButton(tr("Chinese"), this);
    m_chinese->setProperty("helpId", 1007);

    auto *choices = new QHBoxLayout;
    choices->addStretch(1);
    choices->addWidget(m_english);
    choices->addSpacing(40);
    choices->addWidget(m_chinese);
    choices->addStretch(1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLanguageDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addSpacing(10);
    layout->addLayout(choices);
    layout->addSpacing(16);
    layout->addWidget(buttons);
}

void CLanguageDlg::showEvent(QShowEvent *event)
{
    m_nLanguage = g_bChinese ? 1 : 0;
    (m_nLanguage == 1 ? m_chinese : m_english)->setChecked(true);
    QDialog::showEvent(event);
}

void CLanguageDlg::accept()
{
    m_nLanguage = m_chinese->isChecked() ? 1 : 0;
    // The choice is stored by the restart, once the program really closes.
    if (m_nLanguage != (g_bChinese ? 1 : 0))
        m_bChanged = true;
    QDialog::accept();
}

void CLanguageDlg::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        UiServices::Help(kHelpContext);
    QDialog::keyPressEvent(event);
}
