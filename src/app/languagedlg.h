#pragma once

#include <QDialog>

class QRadioButton;

// The Language dialog: English or Chinese. OK with the other language selected
// sets m_bChanged; the program stores the new language as [Setup] "Language"
// when it restarts in it.
class CLanguageDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kHelpContext = 32799;

    explicit CLanguageDlg(QWidget *parent = nullptr);

    int m_nLanguage = -1; // 0 English, 1 Chinese; -1 before the dialog is shown
    bool m_bChanged = false; // OK chose a different language; never reset

    QRadioButton *englishButton() const { return m_english; }
    QRadioButton *chineseButton() const { return m_chinese; }

    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QRadioButton *m_english;
    QRadioButton *m_chinese;
};
