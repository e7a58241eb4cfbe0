#include "common/TSR_dbGrid.h"

TSR_dbGrid::TSR_dbGrid(QWidget *parent)
    : ui::DataGrid(parent)
{
}

TSR_dbGrid::TSR_dbGrid(const QString &objectName, QWidget *parent)
    : ui::DataGrid(parent)
{
    setObjectName(objectName);
}
