#pragma once

#include <QLabel>

// A label that acts as a link: a pointing-hand cursor and a click signal.
class ClickableLabel final : public QLabel
{
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
