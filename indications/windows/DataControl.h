#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

// The navigation bar of a bound record set: first, previous, next and last record around a caption.
class DataControl final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)

public:
    explicit DataControl(QWidget *parent = nullptr);

    QString caption() const;
    void setCaption(const QString &caption);

signals:
    void firstClicked();
    void previousClicked();
    void nextClicked();
    void lastClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fitCaption();

    QToolButton *m_first;
    QToolButton *m_previous;
    QToolButton *m_next;
    QToolButton *m_last;
    QLabel *m_caption;
    QString m_captionText; // as set; the label may show it without its leading blanks
};
