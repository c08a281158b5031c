#include "app/settings/frmResize.h"

#include "app/shell/DesignProperties.h"
#include "ui_frmResize.h"

frmResize::frmResize(QWidget *parent)
    : AppWindow(Forms::frmResize, parent), ui(std::make_unique<Ui::frmResize>())
{
    ui->setupUi(this);
    applyDesignProperties(this);
}

frmResize::~frmResize() = default;

QLabel *frmResize::lblResize() const
{
    return ui->lblResize;
}
