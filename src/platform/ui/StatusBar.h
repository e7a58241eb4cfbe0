#pragma once

#include <QList>
#include <QPointer>
#include <QStatusBar>

class QLabel;

namespace ui {

// A status bar of panels, as the forms address them: panel 0 for hints,
// further panels for the clock, the document number or the printer.
//
// With autoHint on, the hint of the control or menu item under the mouse
// goes to panel 0 (see setHint); it is off unless a form switches it on.
class StatusBar : public QStatusBar
{
    Q_OBJECT
public:
    explicit StatusBar(QWidget *parent = nullptr);

    // One panel per width in pixels; -1 takes the remaining space. Texts of
    // panels that stay are kept.
    void setPanels(const QList<int> &widths);
    int panelCount() const { return panels_.size(); }
    QString panelText(int panel) const;
    // Panels beyond the last are added as needed.
    void setPanelText(int panel, const QString &text);
    QLabel *panel(int index) const;

    bool autoHint() const { return autoHint_; }
    void setAutoHint(bool on) { autoHint_ = on; }

    // Shows a hint when autoHint is on; returns whether it did.
    bool showHint(const QString &hint);

    // The bar that shows the hints of forms without a status bar of their
    // own (the main window's).
    static void setApplicationHintBar(StatusBar *bar);
    static StatusBar *applicationHintBar();

private:
    QList<QLabel *> panels_;
    bool autoHint_ = false;
    static QPointer<StatusBar> applicationBar_;
};

} // namespace ui
