#pragma once

#include "app/shell/AppWindow.h"

// The foot reflexology chart: both soles with their reflex zones, the feet named over the picture.
class frmReflexology final : public AppWindow
{
    Q_OBJECT

public:
    explicit frmReflexology(QWidget *parent = nullptr);
};
