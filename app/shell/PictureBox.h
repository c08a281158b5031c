#pragma once

#include <QString>
#include <QWidget>
#include <memory>

class QSvgRenderer;

// A picture stretched to its box. The picture is a resource path (":/content/pictures/lilac.svg"); a missing
// picture leaves a plain frame so the layout still reads.
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
    QString m_source;
    std::unique_ptr<QSvgRenderer> m_svg;
    std::unique_ptr<QPixmap> m_bitmap;
};
