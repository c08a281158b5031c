#pragma once

#include "app/shell/AppWindow.h"

// A static table: which program offers what.
class frmProgramComparison final : public AppWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmProgramComparison)

public:
    explicit frmProgramComparison(QWidget *parent = nullptr);
};
