#include "app/settings/frmResize.h"

#include "app/shell/DesignFonts.h"
#include "ui_frmResize.h"

frmResize::frmResize(QWidget *parent)
    : AppWindow(Forms::frmResize, parent), ui(std::make_unique<Ui::frmResize>())
{
    ui->setupUi(this);
    applyDesignFontSizes(this);
}

frmResize::~frmResize() = default;

QLabel *frmResize::lblResize() const
{
    return ui->lblResize;
}
