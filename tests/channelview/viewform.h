// A document with a channel grid view on it, shown and active as in the program,
// and the ways a user drives it: clicks, keys and typing.
#pragma once

#include "channelview/channelgrid.h"
#include "channelview/channeltablemodel.h"
#include "channelview/programview.h"
#include "document/programdoc.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QtTest>
#include <memory>

// A document with a view on it, shown and active as in the program.
struct Form
{
    CProgramDoc doc;
    std::unique_ptr<CProgramView> view;

    explicit Form(const MemoryImage *image = nullptr)
    {
        if (image)
            doc.openImage(*image);
        else
            doc.OnNewDocument();
        view = std::make_unique<CProgramView>(&doc);
        view->initialUpdate();
        view->resize(view->sizeHint());
        view->show();
        QApplication::setActiveWindow(view.get());
    }
    ChannelGrid *grid() const { return view->grid(); }
    ChannelTableModel *model() const { return view->model(); }
    QString cell(int row, int column) const { return model()->text(row, column); }

    void click(int row, int column) const
    {
        const QModelIndex index = model()->index(row, column);
        grid()->scrollTo(index);
        QTest::mouseClick(
            grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(index).center());
    }
    void clickRowLabel(int row, Qt::KeyboardModifiers modifiers = {}) const
    {
        QHeaderView *labels = grid()->verticalHeader();
        grid()->scrollTo(model()->index(row, 0));
        QTest::mouseClick(labels->viewport(), Qt::LeftButton, modifiers,
            QPoint(labels->width() / 2,
                labels->sectionViewportPosition(row) + labels->sectionSize(row) / 2));
    }
    static void key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    static void type(const QString &text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    QString editorText() const
    {
        QWidget *editor = grid()->openEditor();
        if (auto *edit = qobject_cast<QLineEdit *>(editor))
            return edit->text();
        if (auto *list = qobject_cast<QComboBox *>(editor))
            return list->currentText();
        return QStringLiteral("<no editor>");
    }
    QPoint current() const
    {
        return {grid()->currentIndex().row(), grid()->currentIndex().column()};
    }
};
