#pragma once

// Acts on the program's own modal forms (a login dialog, an error dialog)
// while their exec() runs, the way a clerk would, so a test can drive code
// that shows them.
//
//     ModalForms forms;
//     forms.whenShown<TPasswordDlg>([](TPasswordDlg &dialog) { ... click OK ... });
//     ... run the code that shows the dialog ...
//
// Each expected form is acted on once, in order; a form that never came
// fails the test at the end.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

class ModalForms
{
public:
    ModalForms()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    }
    ~ModalForms()
    {
        timer_.stop();
        for (const Expected &expected : expected_)
            ADD_FAILURE() << "Erwartetes Formular kam nicht: " << expected.name;
    }
    ModalForms(const ModalForms &) = delete;
    ModalForms &operator=(const ModalForms &) = delete;

    template<typename Form>
    ModalForms &whenShown(std::function<void(Form &form)> action)
    {
        Expected expected;
        expected.name = Form::staticMetaObject.className();
        expected.matches = [](QWidget *widget) { return qobject_cast<Form *>(widget) != nullptr; };
        expected.act = [action = std::move(action)](QWidget *widget) { action(*qobject_cast<Form *>(widget)); };
        expected_.push_back(std::move(expected));
        timer_.start();
        return *this;
    }

    // A form of that kind must not come: should it come, the test fails and
    // the form is closed as cancelled, so the test does not hang.
    template<typename Form>
    ModalForms &failIfShown()
    {
        forbidden_.push_back({Form::staticMetaObject.className(),
                              [](QWidget *widget) { return qobject_cast<Form *>(widget) != nullptr; }});
        timer_.start();
        return *this;
    }

    bool allShown() const { return expected_.empty(); }

private:
    struct Expected
    {
        const char *name = "";
        std::function<bool(QWidget *)> matches;
        std::function<void(QWidget *)> act;
    };

    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == lastActedOn_)
            return;
        for (const Forbidden &forbidden : forbidden_) {
            if (forbidden.matches(modal)) {
                ADD_FAILURE() << "Unerwartetes Formular: " << forbidden.name;
                lastActedOn_ = modal;
                if (auto *dialog = qobject_cast<QDialog *>(modal))
                    dialog->reject();
                return;
            }
        }
        if (expected_.empty() || !expected_.front().matches(modal))
            return;
        Expected expected = std::move(expected_.front());
        expected_.pop_front();
        if (expected_.empty() && forbidden_.empty())
            timer_.stop();
        lastActedOn_ = modal;
        expected.act(modal);
    }

    struct Forbidden
    {
        const char *name;
        std::function<bool(QWidget *)> matches;
    };

    QTimer timer_;
    std::deque<Expected> expected_;
    std::vector<Forbidden> forbidden_;
    QPointer<QWidget> lastActedOn_;
};
