#pragma once

#include "platform/ui/DataGrid.h"

// The data grid of every register and list: the mouse wheel moves its
// dataset by exactly one record per wheel message, towards the user to the
// next record, otherwise to the previous one, however far the wheel went;
// without a data source the wheel moves nothing. The platform grid does
// just that; this name is what the forms ask for.
class TSR_dbGrid : public ui::DataGrid
{
    Q_OBJECT
public:
    explicit TSR_dbGrid(QWidget *parent = nullptr);
    TSR_dbGrid(const QString &objectName, QWidget *parent = nullptr);
};
