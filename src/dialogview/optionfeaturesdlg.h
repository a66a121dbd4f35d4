// The Option Features dialog: the radio's general settings of one document's
// image. Opening decodes the settings bytes into the controls; OK encodes them
// back and marks the document modified when a byte changed; Cancel leaves the
// image alone.
#pragma once

#include "codecs/featurescodec.h"

#include <QDialog>
#include <QMap>

class CProgramDoc;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QWidget;

class COptionFeaturesDlg : public QDialog
{
    Q_OBJECT

public:
    explicit COptionFeaturesDlg(CProgramDoc *document, QWidget *parent = nullptr);

    // The control with the given control number (a list, the name edit, the
    // Beep box or a button); nullptr when there is none.
    QWidget *control(int id) const;

    // The controls' current values as the image would receive them.
    OptionFeatures features() const;

    void accept() override;

private:
    void buildControls();
    QHBoxLayout *buildButtonRow();
    void setFeatures(const OptionFeatures &features);
    QComboBox *addList(int id, FeatureList list, QWidget *parent);

    CProgramDoc *m_document;
    QMap<int, QComboBox *> m_lists;
    QLineEdit *m_powerOnName = nullptr;
    QCheckBox *m_beep = nullptr;
    QWidget *m_sqlAdjustRows = nullptr;
};
