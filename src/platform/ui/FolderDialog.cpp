#include "FolderDialog.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace ui {

FolderDialog::FolderDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ChoosePathBox"));
    setWindowTitle(QStringLiteral("Pfad auswählen"));

    pathEdit_ = new QLineEdit(this);
    pathEdit_->setObjectName(QStringLiteral("EditPath"));
    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QDir::rootPath());
    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("DirectoryList"));
    tree_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        tree_->hideColumn(column);
    tree_->header()->hide();

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("Button1"));
    cancelButton_ = new QPushButton(QStringLiteral("Abbruch"), this);
    cancelButton_->setObjectName(QStringLiteral("Button2"));
    for (QPushButton *button : {okButton_, cancelButton_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    auto *pathLabel = new QLabel(QStringLiteral("Pfad"), this);
    pathLabel->setBuddy(pathEdit_);
    auto *treeLabel = new QLabel(QStringLiteral("Verzeichnis"), this);
    treeLabel->setBuddy(tree_);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pathLabel);
    layout->addWidget(pathEdit_);
    layout->addWidget(treeLabel);
    layout->addWidget(tree_, 1);
    layout->addLayout(buttons);
    resize(420, 360);

    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this, &FolderDialog::folderSelected);
    connect(pathEdit_, &QLineEdit::textChanged, this, &FolderDialog::updateOk);
    connect(okButton_, &QPushButton::clicked, this, [this] {
        if (okButton_->isEnabled())
            accept();
    });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    updateOk();
}

void FolderDialog::setAcceptable(std::function<bool(const QString &)> acceptable)
{
    acceptable_ = std::move(acceptable);
    updateOk();
}

void FolderDialog::setPath(const QString &path)
{
    settingPath_ = true;
    const QModelIndex index = path.isEmpty() ? QModelIndex() : model_->index(path);
    if (index.isValid()) {
        tree_->setCurrentIndex(index);
        tree_->scrollTo(index);
    }
    pathEdit_->setText(path);
    settingPath_ = false;
    updateOk();
}

QString FolderDialog::path() const
{
    return pathEdit_->text();
}

void FolderDialog::folderSelected()
{
    if (settingPath_)
        return;
    const QModelIndex index = tree_->currentIndex();
    if (index.isValid())
        pathEdit_->setText(QDir::toNativeSeparators(model_->filePath(index)));
}

void FolderDialog::updateOk()
{
    // The path box is what comes back, typed or chosen, so that is what must
    // pass the test.
    okButton_->setEnabled(!acceptable_ || acceptable_(pathEdit_->text()));
}

void FolderDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (okButton_->isEnabled())
            accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace ui
