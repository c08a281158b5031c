#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <optional>

class QImage;

// A picture stretched to its box. The picture is a resource path (":/content/pictures/lilac.svg"); a missing
// picture leaves a plain frame so the layout still reads. The picture is drawn for the box's size when the
// box is first shown, so hidden pictures cost nothing and repaints stay cheap; boxes of the same picture and
// size share one drawing. On screen the drawing is made on a worker thread: the window paints at once and the
// picture appears when it is ready, while a box painted into an image (a grab, a print) waits for it.
class PictureBox final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)

public:
    explicit PictureBox(QWidget *parent = nullptr);
    ~PictureBox() override;

    QString source() const { return m_source; }
    void setSource(const QString &source);
    bool hasPicture() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool paintsToScreen() const;
    void drawInBackground(const QString &key, qreal ratio);
    void startDrawing(const QString &key, QSize logical, qreal ratio);
    void takeDrawing(const QString &key, QImage drawing);
    void paintPlaceholder(QPainter &painter);

    QString m_source;
    mutable std::optional<bool> m_present; // whether the source could be read, once known
    QPixmap m_drawn;                       // the picture as last drawn
    QString m_pendingKey;                  // the drawing being made on the worker thread, if any
};
