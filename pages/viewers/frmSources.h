#pragma once

#include "pages/viewers/DocumentViewer.h"

// Sources and recommended reading, with the maker's contact lines at the end.
class frmSources final : public DocumentViewer
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmSources)

public:
    explicit frmSources(QWidget *parent = nullptr);
    ~frmSources() override;
};
