#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <memory>

class QSvgRenderer;

// A picture stretched to its box. The picture is a resource path (":/content/pictures/lilac.svg"); a missing
// picture leaves a plain frame so the layout still reads. The file is read when the picture is first shown,
// and the drawing is kept for the box's size, so hidden pictures cost nothing and repaints stay cheap. Boxes
// of the same picture and size share one drawing.
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
    void load() const;
    void draw(const QSize &pixels, qreal ratio);

    QString m_source;
    mutable bool m_loaded = false;
    mutable std::unique_ptr<QSvgRenderer> m_svg;
    mutable std::unique_ptr<QPixmap> m_bitmap;
    QPixmap m_drawn; // the picture as last drawn, at the box's size
};
