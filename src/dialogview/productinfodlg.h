// The Product Information dialog: which configured radio type and frequency
// range one document's image belongs to. The lists come from the [Setup] types
// and ranges of the INI store; the user's last choice (per-user settings)
// replaces the image's when the dialog opens. OK stores the choice in the image,
// in the per-user settings and in the main window's caption.
#pragma once

#include <QDialog>

class CProgramDoc;
class QComboBox;

class CProductInfoDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CProductInfoDlg(CProgramDoc *document, QWidget *parent = nullptr);

    QComboBox *typeList() const { return m_type; }
    QComboBox *rangeList() const { return m_range; }

    void accept() override;

private:
    void fillRanges(int typeIndex);
    void onTypeChanged(int typeIndex);
    void selectStoredChoice();

    CProgramDoc *m_document;
    QComboBox *m_type = nullptr;
    QComboBox *m_range = nullptr;
};
