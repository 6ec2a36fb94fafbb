#pragma once
// A clickable colour swatch with a caption: the panel colour behind the caption drawn in
// the font colour. A click, Space or Enter asks for a new colour.

#include <QColor>
#include <QFrame>

class ColorPanel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor)
    Q_PROPERTY(QColor fontColor READ fontColor WRITE setFontColor)
public:
    explicit ColorPanel(const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    QColor fontColor() const { return m_fontColor; }
    void setFontColor(const QColor& color);
    void setColors(const QColor& fontColor, const QColor& color);

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_caption;
    QColor m_color;
    QColor m_fontColor;
};
