#include "app/settings/frmResize.h"

#include "app/shell/DesignProperties.h"
#include "ui_frmResize.h"

frmResize::frmResize(QWidget *parent)
    : AppWindow(Forms::frmResize, parent), ui(std::make_unique<Ui::frmResize>())
{
    setUpFromDesign(*ui, this);
}

frmResize::~frmResize() = default;

QLabel *frmResize::lblResize() const
{
    return ui->lblResize;
}
