#pragma once

#include "app/shell/AppWindow.h"

// A short notice with an optional button that opens one of the maker's web pages: the upgrade information and
// the bonus offer.
class frmNotice final : public AppWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmNotice)

public:
    frmNotice(FormId formName, const QString &text, const QString &buttonCaption, const QString &address,
              QWidget *parent = nullptr);
};
