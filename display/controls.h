#pragma once

#include <QLabel>
#include <QWidget>

// The plain control types of the board's windows: layout scaling and colour
// application treat each kind in its own way.

// A caption. It can size itself to its text and draws no background.
class Label : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(qint32 ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(double FontSize READ fontSize WRITE setFontSize)

public:
    explicit Label(QWidget *parent = nullptr);

    qint32 foreColor() const { return m_foreColor; }
    void setForeColor(qint32 bgr);
    double fontSize() const { return font().pointSizeF(); }
    void setFontSize(double points);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    void setCaption(const QString &text);

private:
    void fitToText();

    qint32 m_foreColor = 0;
    bool m_autoSize = false;
};

// A filled panel that can take the keyboard focus and passes on the
// character code of every key typed on it.
class PictureBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(qint32 BackColor READ backColor WRITE setBackColor)

public:
    explicit PictureBox(QWidget *parent = nullptr);

    qint32 backColor() const { return m_backColor; }
    void setBackColor(qint32 bgr);

signals:
    void keyTyped(int keyAscii);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    qint32 m_backColor = 0;
};

// A decoration: a filled round dot or an outlined rectangle. Clicks go
// through it to whatever lies below.
class Shape : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(qint32 FillColor READ fillColor WRITE setFillColor)
    Q_PROPERTY(qint32 BorderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(double BorderWidth READ borderWidth WRITE setBorderWidth)

public:
    enum class Kind { FilledCircle, OutlinedRectangle };

    Shape(Kind kind, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    qint32 fillColor() const { return m_fillColor; }
    void setFillColor(qint32 bgr);
    qint32 borderColor() const { return m_borderColor; }
    void setBorderColor(qint32 bgr);
    // In pixels, as the outline is drawn.
    double borderWidth() const { return m_borderWidth; }
    void setBorderWidth(double pixels);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
    qint32 m_fillColor = 0;
    qint32 m_borderColor = 0;
    double m_borderWidth = 1;
};
