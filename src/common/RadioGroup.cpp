#include "common/RadioGroup.h"

#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QString &title, QWidget *parent)
    : QGroupBox(title, parent)
    , layout_(new QVBoxLayout(this))
{
}

void RadioGroup::addItem(const QString &caption)
{
    auto *button = new QRadioButton(caption, this);
    button->setObjectName(QStringLiteral("%1_%2").arg(objectName()).arg(buttons_.size()));
    const int index = int(buttons_.size());
    buttons_ << button;
    layout_->addWidget(button);
    connect(button, &QRadioButton::clicked, this, [this, index] { emit itemClicked(index); });
}

QStringList RadioGroup::items() const
{
    QStringList captions;
    for (const QRadioButton *button : buttons_)
        captions << button->text();
    return captions;
}

int RadioGroup::itemIndex() const
{
    for (int i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i]->isChecked())
            return i;
    }
    return -1;
}

void RadioGroup::setItemIndex(int index)
{
    if (index >= 0 && index < buttons_.size()) {
        buttons_[index]->setChecked(true);
        return;
    }
    for (QRadioButton *button : buttons_) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

QRadioButton *RadioGroup::button(int index) const
{
    return index >= 0 && index < buttons_.size() ? buttons_[index] : nullptr;
}
