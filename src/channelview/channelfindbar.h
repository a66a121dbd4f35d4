// The find bar over the channel grid (Edit > Find, Ctrl+F): the cells of the
// Rx, Tx, tone and name columns whose text holds what is typed, as the grid
// shows it and without regard to case ("146.5" finds 146.52000, "wx" finds WX1).
// Typing goes to the first match from the current cell on; Enter and F3 go to the
// next one, Shift+Enter and Shift+F3 to the one before, both round the table; the
// bar says which match of how many is current. Escape closes it and gives the
// keyboard back to the grid. Rows the grid hides are not searched.
#pragma once

#include <QPoint>
#include <QWidget>

class ChannelGrid;
class QLabel;
class QLineEdit;

class ChannelFindBar : public QWidget
{
    Q_OBJECT

public:
    explicit ChannelFindBar(ChannelGrid *grid, QWidget *parent = nullptr);

    // Shows the bar with the keyboard in its text, which is selected.
    void open();
    void closeBar();
    // To the next (step 1) or previous (step -1) match; opens the bar when closed.
    void findNext(int step);

    QLineEdit *field() const { return m_field; }
    QLabel *countLabel() const { return m_count; }
    // The matching cells in table order, each as QPoint(row, column).
    QList<QPoint> matches() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Goes to the first match from the current cell on: step 0 counts the current
    // cell itself, 1 and -1 start beyond it.
    void go(int step);
    void showCount(const QList<QPoint> &found, int at);

    ChannelGrid *m_grid;
    QLineEdit *m_field;
    QLabel *m_count;
};
