#include "dialogview/productinfodlg.h"

#include "codecs/productcodec.h"
#include "dialogview/transferguard.h"
#include "document/programdoc.h"
#include "settings/inifile.h"
#include "settings/language.h"
#include "settings/usersettings.h"
#include "uiservices/dialoghelp.h"
#include "uiservices/uiservices.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kTypeListId = 1013;
constexpr int kRangeListId = 1014;
} // namespace

CProductInfoDlg::CProductInfoDlg(CProgramDoc *document, QWidget *parent)
    : QDialog(parent)
    , m_document(document)
{
    setWindowTitle(LangText("Product Information", "类型设置"));

    m_type = new QComboBox(this);
    m_type->setObjectName(QStringLiteral("list%1").arg(kTypeListId));
    m_type->setMinimumContentsLength(16);
    DialogHelp::SetHelpId(m_type, kTypeListId);
    m_range = new QComboBox(this);
    m_range->setObjectName(QStringLiteral("list%1").arg(kRangeListId));
    m_range->setMinimumContentsLength(16);
    DialogHelp::SetHelpId(m_range, kRangeListId);

    auto *group = new QGroupBox(LangText("Setting", "设置"), this);
    auto *form = new QFormLayout(group);
    form->addRow(LangText("Type", "类型"), m_type);
    form->addRow(LangText("Frequency", "频率"), m_range);

    auto *ok = new QPushButton(LangText("OK", "确定"), this);
    auto *cancel = new QPushButton(LangText("Cancel", "取消"), this);
    ok->setDefault(true);
    DialogHelp::SetHelpId(ok, 1);
    DialogHelp::SetHelpId(cancel, 2);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    TransferGuard::Guard(ok, m_document);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_type->addItems(ProductTypes(g_iniFile));
    selectStoredChoice();
    // Connected only now: filling the lists above must not count as a user's choice.
    connect(m_type, &QComboBox::currentIndexChanged, this, &CProductInfoDlg::onTypeChanged);
    DialogHelp::InstallF1(this);
}

void CProductInfoDlg::fillRanges(int typeIndex)
{
    m_range->clear();
    m_range->addItems(ProductRanges(g_iniFile, typeIndex));
}

// The user's last choice wins over the image's. A stored choice that the
// current catalogue no longer holds falls back to the first item, so OK never
// stores a selection that names nothing.
void CProductInfoDlg::selectStoredChoice()
{
    if (m_type->count() == 0)
        return;
    const int type = UserSettings::ProductType();
    m_type->setCurrentIndex(type >= 0 && type < m_type->count() ? type : 0);
    fillRanges(m_type->currentIndex());
    const int field = UserSettings::ProductField();
    m_range->setCurrentIndex(field >= 0 && field < m_range->count() ? field : 0);
}

void CProductInfoDlg::onTypeChanged(int typeIndex)
{
    fillRanges(typeIndex);
    m_range->setCurrentIndex(0);
}

void CProductInfoDlg::accept()
{
    // Without a configured type there is nothing to choose: the image, the
    // per-user settings and the caption keep what they hold.
    const int type = m_type->currentIndex();
    const int field = m_range->currentIndex();
    if (type < 0 || field < 0) {
        QDialog::accept();
        return;
    }

    MemoryImage updated = m_document->image();
    StoreProductSelection(updated, {type, field}, m_range->currentText());
    m_document->changeBytes(updated, LangText("Change Product Information", "修改产品信息"));
    UiServices::SetMainTitle(ProductCaption(
        LanguageValue(QStringLiteral("AppName")), m_type->currentText(), m_range->currentText()));
    UserSettings::SetProductSelection(type, field);
    QDialog::accept();
}
