#pragma once

#include <QLabel>

// A label that draws its caption with the markup of CanvasMarkupText (style
// tags and "<br>"), from its top-left corner whatever its alignment (callers
// centre a caption with leading blanks). It grows in height to show every
// line; with auto-size on, its width follows the widest line.
class TMyHtmlLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TMyHtmlLabel(QWidget *parent = nullptr);

    // Hides QLabel::setText, so the label can re-measure itself.
    void setText(const QString &text);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    bool transparent() const { return transparent_; }
    void setTransparent(bool on);

    // Distance between the tops of two lines: the font's size in points
    // taken as pixels, plus 5.
    int zeilenschritt() const;
    // Width of the widest line with the styles in force.
    int breitesteZeile() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void anpassen();

    bool autoSize_ = false;
    bool transparent_ = true;
};
