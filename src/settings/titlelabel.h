#pragma once
// A title label whose text casts a shadow down and to the right, as the program's window
// titles are drawn (deeper with the "shadows" option on).

#include <QLabel>

class TitleLabel : public QLabel {
    Q_OBJECT
public:
    explicit TitleLabel(const QString& text = QString(), QWidget* parent = nullptr);

    int shadowDepth() const { return m_depth; }
    void setShadowDepth(int pixels);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_depth = 1;
};

// The title style of the "shadows" option: the text colour, and the shadow depth when
// the label is a TitleLabel.
void ApplyTitleStyle(QLabel* label, bool shadows);
