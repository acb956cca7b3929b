#pragma once

#include <QWidget>

// One seven-segment LED digit, painted as vectors so it stays sharp at any
// size. It shows 0 to 9, or nothing for -1, and sizes itself from its digit
// size (the digit's scale) and buffer area (the margin round it, in twips).
// Only a change of what it shows repaints it.
class LedDigit : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int caption READ caption WRITE setCaption)
    Q_PROPERTY(qint32 litColor READ litColor WRITE setLitColor)
    Q_PROPERTY(qint32 unlitColor READ unlitColor WRITE setUnlitColor)
    Q_PROPERTY(qint32 backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(double digitSize READ digitSize WRITE setDigitSize)
    Q_PROPERTY(double bufferArea READ bufferArea WRITE setBufferArea)
    Q_PROPERTY(int index READ index)

public:
    static constexpr int Blank = -1;

    explicit LedDigit(int index, QWidget *parent = nullptr);

    int index() const { return m_index; }

    int caption() const { return m_caption; }
    // 0 to 9 shows the numeral; anything else shows the digit blank.
    void setCaption(int digit);
    // A one-character numeral "0" to "9"; anything else shows the digit blank.
    void setCaption(const QString &digit);

    qint32 litColor() const { return m_lit; }
    void setLitColor(qint32 bgr);
    qint32 unlitColor() const { return m_unlit; }
    void setUnlitColor(qint32 bgr);
    qint32 backColor() const { return m_back; }
    void setBackColor(qint32 bgr);

    double digitSize() const { return m_size; }
    void setDigitSize(double size);
    double bufferArea() const { return m_bufferArea; }
    void setBufferArea(double twips);

    // The extent in twips that Size and BufferArea give.
    static double widthTwips(double size, double bufferArea);
    static double heightTwips(double size, double bufferArea);

    QSize sizeHint() const override;

signals:
    void keyTyped(int index, int keyAscii);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setColor(qint32 &slot, qint32 bgr);
    void fitToSize();
    // Where the segments are drawn: the widget less the margin round it, in
    // whole pixels. A change repaints only this, so a neighbour overlapping
    // the margin is left alone.
    QRectF digitArea() const;

    int m_index;
    int m_caption = Blank;
    qint32 m_lit = 0x00FFFF;
    qint32 m_unlit = 0;
    qint32 m_back = 0;
    double m_size = 120;
    double m_bufferArea = 70;
};
