#include "FormCore.h"

#include "DataControls.h"

#include "Guard.h"
#include "Hints.h"
#include "Keys.h"
#include "StatusBar.h"

#include "platform/db/Table.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>

namespace ui {

namespace {

bool isEnter(const QKeyEvent *event)
{
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Controls that do something of their own with Enter.
bool wantsEnter(const QWidget *widget)
{
    if (auto *plain = qobject_cast<const QPlainTextEdit *>(widget))
        return !plain->isReadOnly();
    if (auto *rich = qobject_cast<const QTextEdit *>(widget))
        return !rich->isReadOnly();
    for (const QWidget *w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        if (qobject_cast<const QAbstractItemView *>(w))
            return true;
    }
    return false;
}

QAbstractButton *clickableButton(QWidget *widget)
{
    auto *button = qobject_cast<QAbstractButton *>(widget);
    if (!button || qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button))
        return nullptr;
    return button;
}

// One filter on the application sees the keys of every form before the
// focused control does, and follows the focus for the enter hints.
class FormEventRouter : public QObject
{
public:
    static void install()
    {
        static FormEventRouter *router = nullptr;
        if (router || !qApp)
            return;
        router = new FormEventRouter(qApp);
        qApp->installEventFilter(router);
        QObject::connect(qApp, &QApplication::focusChanged, router, &FormEventRouter::focusChanged);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget)
            return false;
        // A key travels up from the focused control through its parents;
        // the form looks at it once, where it starts: at its focused control,
        // or at the window itself when the focus is in no control of it (a
        // window not yet activated).
        QWidget *focus = QApplication::focusWidget();
        if (widget != (focus && focus->window() == widget->window() ? focus : widget->window()))
            return false;
        FormCore *form = FormCore::of(widget);
        if (!form)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        bool handled = false;
        guard([&] {
            handled = type == QEvent::KeyPress ? keyPress(*form, widget, key) : keyRelease(*form, widget, key);
        }, QStringLiteral("Tastatur"));
        return handled;
    }

private:
    using QObject::QObject;

    static bool keyPress(FormCore &form, QWidget *widget, QKeyEvent *event)
    {
        if (form.previewKeyPress(event))
            return true;
        if (isEnter(event)) {
            if (wantsEnter(widget))
                return false;
            if (QAbstractButton *button = clickableButton(widget)) {
                button->click();
                return true;
            }
            if (QAbstractButton *button = form.defaultButton(); button && button->isEnabled() && button->isVisible()) {
                button->click();
                return true;
            }
            if (form.enterMovesFocus()) {
                form.moveFocus(true);
                return true;
            }
            return false;
        }
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
            if (QAbstractButton *button = form.cancelButton(); button && button->isEnabled()) {
                button->click();
                return true;
            }
        }
        return false;
    }

    static bool keyRelease(FormCore &form, QWidget *widget, QKeyEvent *event)
    {
        if (form.previewKeyRelease(event))
            return true;
        // On release, and once however long the key was held.
        if (!event->isAutoRepeat() && hotKey(widget) != 0 && hotKey(widget) == event->key()) {
            if (QAbstractButton *button = linkedButton(widget))
                button->click();
        }
        return false;
    }

    void focusChanged(QWidget *old, QWidget *now)
    {
        if (old && hasEnterHint(old)) {
            if (FormCore *form = FormCore::of(old); form && form->existingStatusBar())
                form->existingStatusBar()->setPanelText(0, QString());
        }
        if (now && hasEnterHint(now)) {
            if (FormCore *form = FormCore::of(now))
                form->statusBar()->setPanelText(0, enterHint(now));
        }
    }
};

} // namespace

FormCore::FormCore(QWidget *self) : self_(self)
{
    FormEventRouter::install();
}

FormCore::~FormCore() = default;

FormCore *FormCore::of(const QWidget *widget)
{
    if (!widget)
        return nullptr;
    return dynamic_cast<FormCore *>(widget->window());
}

bool FormCore::previewKeyPress(QKeyEvent *event)
{
    return onKeyPress && onKeyPress(event);
}

bool FormCore::previewKeyRelease(QKeyEvent *event)
{
    return onKeyRelease && onKeyRelease(event);
}

void FormCore::showAutomaticHint(const QString &hint)
{
    if (StatusBar *own = existingStatusBar(); own && own->showHint(hint))
        return;
    if (StatusBar *application = StatusBar::applicationHintBar())
        application->showHint(hint);
}

void FormCore::postOnClose(db::Table *table)
{
    postOnClose_ << QPointer<db::Table>(table);
}

bool FormCore::postPendingRecords()
{
    if (!commitPendingInput(self_))
        return false;
    for (const QPointer<db::Table> &table : std::as_const(postOnClose_)) {
        if (!table || !table->isOpen())
            continue;
        const db::DatasetState state = table->state();
        if (state != db::DatasetState::Edit && state != db::DatasetState::Insert)
            continue;
        if (!guard([&] { table->post(); }, QStringLiteral("Speichern beim Schließen")))
            return false;
        if (table->state() == db::DatasetState::Edit || table->state() == db::DatasetState::Insert)
            return false;
    }
    return true;
}

} // namespace ui
