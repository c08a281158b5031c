#pragma once

#include "pages/viewers/DocumentViewer.h"

// The history of changes, newest version first.
class frmHistory final : public DocumentViewer
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmHistory)

public:
    explicit frmHistory(QWidget *parent = nullptr);
    ~frmHistory() override;
};
