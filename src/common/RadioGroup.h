#pragma once

#include <QGroupBox>
#include <QList>

class QRadioButton;
class QVBoxLayout;

// A framed group of radio buttons addressed by index, as the dialogs use it
// ("Suche nach:"): items are added at run time, -1 means none chosen.
class RadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit RadioGroup(const QString &title, QWidget *parent = nullptr);

    void addItem(const QString &caption);
    QStringList items() const;
    int itemIndex() const;
    void setItemIndex(int index);
    QRadioButton *button(int index) const;

signals:
    void itemClicked(int index);

private:
    QVBoxLayout *layout_;
    QList<QRadioButton *> buttons_;
};
