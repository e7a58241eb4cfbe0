#include "common/Formhelfer.h"

#include "common/Programmzustand.h"

#include "platform/ui/Appearance.h"
#include "platform/ui/ScrollBox.h"
#include "platform/ui/SpeedButton.h"

#include <QEvent>
#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace {

// Paints the shadows before the surface's own painting, so the buttons,
// which are painted after their parent, lie on top of them.
class KnopfSchatten : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto *flaeche = static_cast<QWidget *>(watched);
        QPainter canvas(flaeche);
        for (QObject *kind : flaeche->children()) {
            auto *control = qobject_cast<QWidget *>(kind);
            if (control && !control->isWindow() && control->isVisible())
                ButtonSchatten(canvas, control, Qt::black, 3);
        }
        return false;
    }
};

} // namespace

int ScrollDelta(int controlTop, int visibleHeight)
{
    return ui::ScrollBox::scrollDelta(controlTop, visibleHeight);
}

int DialogTopNearButton(int buttonTop, int dialogHeight)
{
    if (buttonTop - dialogHeight >= 5)
        return buttonTop - dialogHeight + 44;
    return buttonTop + 75;
}

void FeldgruppeMarkieren(QWidget *edit1, QWidget *edit2, QWidget *edit3, int markierung)
{
    if (markierung != 0 && markierung != 1)
        return;
    const ui::UserFont eingabe = programmzustand().EingabeFelderFont.benutzerSchrift();
    for (QWidget *edit : {edit1, edit2, edit3}) {
        if (!edit)
            continue;
        QFont font = edit->font();
        QPalette palette = edit->palette();
        if (markierung == 1) {
            font.setBold(true);
            palette.setColor(QPalette::Text, QColor(255, 0, 0));
        } else {
            font.setBold(eingabe.font.bold());
            font.setItalic(eingabe.font.italic());
            font.setUnderline(eingabe.font.underline());
            font.setStrikeOut(eingabe.font.strikeOut());
            palette.setColor(QPalette::Text, eingabe.color);
        }
        edit->setFont(font);
        edit->setPalette(palette);
    }
}

void ButtonSchatten(QPainter &canvas, const QWidget *control, const QColor &farbe, int versatz)
{
    if (!qobject_cast<const ui::SpeedButton *>(control))
        return;
    canvas.fillRect(control->geometry().translated(versatz, versatz), farbe);
}

void KnopfSchattenZeigen(QWidget *flaeche)
{
    static const char *const angebracht = "knopfSchatten";
    if (!flaeche || flaeche->property(angebracht).toBool())
        return;
    flaeche->setProperty(angebracht, true);
    flaeche->installEventFilter(new KnopfSchatten(flaeche));
}
