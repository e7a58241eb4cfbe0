#pragma once

#include <QToolButton>

namespace ui {

// A button of a tool bar or button panel: it never takes the focus (so the
// field being typed in keeps it), is drawn flat unless framed, and can show a
// caption, a picture or both. Buttons of the same parent with the same group
// index above 0 act as one group: one of them stays down. A click first
// stores what is typed in the form's data edits; text that does not fit its
// field swallows the click.
class SpeedButton : public QToolButton
{
    Q_OBJECT
public:
    explicit SpeedButton(QWidget *parent = nullptr);
    SpeedButton(const QString &objectName, const QString &caption, QWidget *parent = nullptr);

    // Flat: no frame until the mouse is over it.
    void setFlat(bool flat) { setAutoRaise(flat); }
    bool isFlat() const { return autoRaise(); }

    int groupIndex() const { return groupIndex_; }
    void setGroupIndex(int groupIndex);

protected:
    void nextCheckState() override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int groupIndex_ = 0;
};

} // namespace ui
