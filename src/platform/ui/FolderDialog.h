#pragma once

#include <QDialog>
#include <functional>

class QFileSystemModel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace ui {

// The folder chooser: a path box above a folder tree, "OK" and "Abbruch".
// OK (and Enter in the path box or the tree) works only while the path in
// the box is acceptable; Esc and the close button cancel.
class FolderDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FolderDialog(QWidget *parent = nullptr);

    void setAcceptable(std::function<bool(const QString &path)> acceptable);
    // Selects the folder in the tree when it exists; the path box shows the
    // text either way.
    void setPath(const QString &path);
    QString path() const;

    QLineEdit *pathEdit() const { return pathEdit_; }
    QTreeView *folderTree() const { return tree_; }
    QPushButton *okButton() const { return okButton_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void folderSelected();
    void updateOk();

    QLineEdit *pathEdit_;
    QTreeView *tree_;
    QFileSystemModel *model_;
    QPushButton *okButton_;
    QPushButton *cancelButton_;
    std::function<bool(const QString &)> acceptable_;
    bool settingPath_ = false;
};

} // namespace ui
